// Private folders with random names, taken only when nobody has the name yet.
#include "editor/app/PrivateFolder.h"

#include <QRandomGenerator>
#include <cstdio>
#include <string>

namespace tarn::editor {
namespace {

constexpr int kAttempts = 100;

}  // namespace

std::unique_ptr<PrivateFolder> PrivateFolder::Make(const std::filesystem::path& parent,
                                                   std::string_view prefix) {
    namespace fs = std::filesystem;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        char random[16];
        std::snprintf(random, sizeof random, "%08x", QRandomGenerator::global()->generate());
        const fs::path path = parent / (std::string(prefix) + random);
        std::error_code error;
        // create_directory is false without an error when the name is taken.
        if (fs::create_directory(path, error)) {
            fs::permissions(path, fs::perms::owner_all, error);
            if (error) {
                fs::remove(path, error);
                return nullptr;
            }
            return std::unique_ptr<PrivateFolder>(new PrivateFolder(path));
        }
        if (error) {
            return nullptr;
        }
    }
    return nullptr;
}

PrivateFolder::~PrivateFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

}  // namespace tarn::editor
