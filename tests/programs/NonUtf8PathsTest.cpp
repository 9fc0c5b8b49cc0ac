// Paths whose bytes are no UTF-8 (a folder named in Latin-1, say) through the built
// programs: each opens and writes them as the system names them.
#include <gtest/gtest.h>

#include <string>

#include "support/BinAngsDL.h"
#include "tests/common/RunProgram.h"
#include "tests/common/StageSamples.h"
#include "tests/common/TestFiles.h"

namespace tarn {
namespace {

using testing::Bytes;
using testing::ProgramPath;
using testing::ProgramRun;
using testing::RunProgram;
using testing::ScratchDir;

class NonUtf8Paths : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = scratch_ / "caf\xe9-\xff";
        std::filesystem::create_directory(folder_);
        stage_ = folder_ / "\xe9t\xe9.tr2";
        ASSERT_EQ(WriteEncipheredFile(stage_, Bytes(testing::StageWith({{1, "sky.bmp"}}))),
                  ContainerStatus::Ok);
    }
    ScratchDir scratch_;
    std::filesystem::path folder_;
    std::filesystem::path stage_;
};

TEST_F(NonUtf8Paths, EditorExportsAStageOfSuchAFolderToSuchAFile) {
    if (!std::filesystem::exists(ProgramPath("Gridsmith"))) {
        GTEST_SKIP() << "the editor is not built";
    }
    const auto out = folder_ / "carte\xe9.bmp";
    const ProgramRun run =
        RunProgram(ProgramPath("Gridsmith"), {"--export-bmp", stage_.string(), out.string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_GT(std::filesystem::file_size(out), 1000u);
}

TEST_F(NonUtf8Paths, GameAndToolReadAStageOfSuchAFolder) {
    const ProgramRun game = RunProgram(ProgramPath("TarnVer2"),
                                       {"--headless", "--stage", stage_.string(), "--frames", "0"});
    EXPECT_EQ(game.status, 0) << game.err;
    const ProgramRun check = RunProgram(ProgramPath("tr2tool"), {"check", stage_.string()});
    EXPECT_EQ(check.status, 0) << check.out;
}

}  // namespace
}  // namespace tarn
