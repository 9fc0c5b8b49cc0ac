// Where the programs find their shipped files and keep the user's. A portable program
// folder (the build's, an unpacked copy, or one named by --root) holds everything. An
// installed one is only read: each user's settings, stage folders and work files
// then go to the XDG base directories, below a folder named "tarn2".
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace tarn {

// The name of the per-user folders below the XDG base directories.
inline constexpr const char* kUserFolderName = "tarn2";
// A file that `cmake --install` puts in the program folder: the folder is an install even
// when this user may write to it (root, or a prefix in the user's home).
inline constexpr const char* kInstallMarker = "installed";

enum class FolderMode { Portable, Installed };

// What the per-user folders are worked out from. Programs read the process's own
// (ReadFolderEnvironment); tests hand in theirs. Empty means unset.
struct FolderEnvironment {
    std::string home;                 // HOME, else the user's entry in the password database
    std::string xdgConfigHome;        // XDG_CONFIG_HOME
    std::string xdgDataHome;          // XDG_DATA_HOME
    std::string xdgRuntimeDir;        // XDG_RUNTIME_DIR
    std::filesystem::path temporary;  // the system's temporary folder
    unsigned userId = 0;
};
FolderEnvironment ReadFolderEnvironment();

struct ProgramPaths {
    FolderMode mode = FolderMode::Portable;
    std::filesystem::path programFolder;  // the programs and their shipped, read-only data
    std::filesystem::path configFolder;   // settings and preferences files
    std::filesystem::path dataFolder;     // the user's data: data/ below it holds stage folders
    std::filesystem::path workFolder;     // work files of one run (made by PrepareWorkFolder)

    bool Installed() const { return mode == FolderMode::Installed; }

    // The folder of the user's own stage folders: data/ of the program folder (portable)
    // or $XDG_DATA_HOME/tarn2/data (installed).
    std::filesystem::path UserStageRoot() const { return dataFolder / "data"; }
    // The folders whose sub-folders are stage folders: the program folder's data/, then,
    // in an install, the user's.
    std::vector<std::filesystem::path> StageFolderRoots() const;
    // The user's copy of a file of the configuration folder when there is one, else the
    // file the program folder ships (settings files: the user's copy wins).
    std::filesystem::path ConfigFileToRead(const std::string& name) const;
};

// Everything in one folder.
ProgramPaths PortablePaths(const std::filesystem::path& folder);
// Shipped files in the program folder, the user's in the XDG base directories. Without
// a home folder nor absolute XDG variables there is nowhere to keep them: nothing, and
// the error says so.
std::optional<ProgramPaths> InstalledPaths(const std::filesystem::path& programFolder,
                                           const FolderEnvironment& environment,
                                           std::string& error);

// The decision every program makes at start. `root` is the folder named by --root (empty
// when none): it is always portable. Otherwise the executable's folder is portable when
// this user may write to it and it carries no install marker, installed otherwise.
std::optional<ProgramPaths> ChooseProgramPaths(const std::filesystem::path& root,
                                               const std::filesystem::path& executableFolder,
                                               const FolderEnvironment& environment,
                                               std::string& error);

// The folder of the running program: /proc/self/exe with every link resolved (so a link
// in bin/ leads to the program folder), else the folder of argv[0].
std::filesystem::path ExecutableFolder(const char* argv0);
// Whether this user may create files in the folder (write and search permission).
bool IsWritableFolder(const std::filesystem::path& folder);
bool HasInstallMarker(const std::filesystem::path& folder);

// The stage folders below each root in turn: the sub-folders of each, sorted by name
// within it, each path ending in a separator. Missing roots and plain files are skipped;
// `unreadable`, when given, tells why the first root that exists could not be read.
std::vector<std::filesystem::path> ListStageFolders(const std::vector<std::filesystem::path>& roots,
                                                    std::error_code* unreadable = nullptr);

// Makes the folder and any missing parents, each new one readable only by the user
// (0700, as the XDG base directories ask). False with a message when it cannot.
bool MakeUserFolder(const std::filesystem::path& folder, std::string& error);
// Makes the work folder. In a shared temporary folder it must then be a folder of this
// user's that no one else may enter, or it is refused: nobody can plant files in it.
bool PrepareWorkFolder(const ProgramPaths& paths, std::string& error);

}  // namespace tarn
