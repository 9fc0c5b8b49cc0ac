// Temporary folders and stage file helpers for the editor tests.
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <vector>

#include "support/BinAngsDL.h"

namespace tarn::editor::testing {

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            ("gridsmith-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
             (info != nullptr ? std::string(info->name()) : std::string("x")));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void WriteEnciphered(const std::string& path, const std::string& plain) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(plain.data());
    ASSERT_EQ(WriteEncipheredFile(path, {bytes, plain.size()}), ContainerStatus::Ok);
}

void WriteStage(const std::string& path, const StageFields& fields) {
    WriteEnciphered(path, WriteStageText(fields));
}

std::string ReadPlain(const std::string& path) {
    BinAngsDL container;
    std::vector<std::uint8_t> plain;
    EXPECT_EQ(ReadEncipheredFile(container, path, plain), ContainerStatus::Ok);
    return std::string(plain.begin(), plain.end());
}

}  // namespace tarn::editor::testing
