// Finding and choosing the stage folders.
#include "game/core/StageFolders.h"

#include <algorithm>
#include <system_error>

namespace tarn::game {

std::string StageFolders::ChosenName() const {
    auto p = StageDir;
    if (!p.has_filename()) {
        p = p.parent_path();
    }
    return p.filename().string();
}

void StageFolders::ChooseNext() {
    StageDirNo = StageDirNo + 1 > int(StageDirs.size()) ? 1 : StageDirNo + 1;
    StageDir = StageDirs[std::size_t(StageDirNo - 1)];
}

std::vector<std::filesystem::path> ListStageFolders(const std::filesystem::path& dataFolder,
                                                    std::error_code& error) {
    std::vector<std::filesystem::path> folders;
    error.clear();
    for (std::filesystem::directory_iterator it(dataFolder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code typeError;
        if (it->is_directory(typeError)) {
            folders.push_back(it->path() / "");
        }
    }
    std::sort(folders.begin(), folders.end());
    return folders;
}

}  // namespace tarn::game
