// Finding and choosing the stage folders.
#include "game/core/StageFolders.h"

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

}  // namespace tarn::game
