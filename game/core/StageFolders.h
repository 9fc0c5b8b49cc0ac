// The stage folders (those below the program folder's data/ folder, then in an install
// the user's) and the one chosen in the title menu: every stage file is read from the
// chosen folder.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace tarn::game {

struct StageFolders {
    std::vector<std::filesystem::path> StageDirs;  // each ends in a separator
    int StageDirNo = 1;                            // 1-based
    std::filesystem::path StageDir;                // the chosen folder, ending in a separator

    // The file of a stage of the chosen folder.
    std::filesystem::path StageFile(const std::string& name) const {
        return StageDir / (name + ".tr2");
    }
    // The chosen folder's own name: the text after its last separator.
    std::string ChosenName() const;
    // Chooses the folder after the chosen one, the first after the last.
    void ChooseNext();
};

}  // namespace tarn::game
