// The stage folders below the program folder's data/ folder and the one chosen in the
// title menu: every stage file is read from the chosen folder.
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

// The sub-folders of a folder, sorted by name, each path ending in a separator. `error`
// tells why the folder itself could not be read (it stays empty for a folder without
// sub-folders).
std::vector<std::filesystem::path> ListStageFolders(const std::filesystem::path& dataFolder,
                                                    std::error_code& error);

}  // namespace tarn::game
