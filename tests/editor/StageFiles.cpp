// Stage file helpers for the editor tests.
#include "StageFiles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "support/BinAngsDL.h"

namespace tarn::editor::testing {

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
