// The program folder, the portable-or-installed decision and the per-user folders.
#include "support/ProgramPaths.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#define TARN_POSIX 1
#endif

namespace tarn {

namespace fs = std::filesystem;

namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

// An XDG variable counts only when it holds an absolute path; otherwise the default
// below the home folder applies. Empty when neither is known.
fs::path BaseFolder(const std::string& variable, const std::string& home, const char* below) {
    if (!variable.empty() && fs::path(variable).is_absolute()) {
        return fs::path(variable);
    }
    if (!home.empty() && fs::path(home).is_absolute()) {
        return fs::path(home) / below;
    }
    return {};
}

// The folder itself, without a trailing separator.
fs::path WithoutTrailingSeparator(fs::path folder) {
    folder = folder.lexically_normal();
    if (!folder.has_filename() && folder.has_parent_path() && folder != folder.root_path()) {
        folder = folder.parent_path();
    }
    return folder;
}

}  // namespace

FolderEnvironment ReadFolderEnvironment() {
    FolderEnvironment environment;
    environment.home = Variable("HOME");
    environment.xdgConfigHome = Variable("XDG_CONFIG_HOME");
    environment.xdgDataHome = Variable("XDG_DATA_HOME");
    environment.xdgRuntimeDir = Variable("XDG_RUNTIME_DIR");
    std::error_code error;
    environment.temporary = fs::temp_directory_path(error);
    if (error) {
        environment.temporary = "/tmp";
    }
#ifdef TARN_POSIX
    environment.userId = unsigned(::geteuid());
    if (environment.home.empty()) {
        if (const passwd* entry = ::getpwuid(::geteuid()); entry != nullptr && entry->pw_dir) {
            environment.home = entry->pw_dir;
        }
    }
#endif
    return environment;
}

std::vector<fs::path> ProgramPaths::StageFolderRoots() const {
    std::vector<fs::path> roots{programFolder / "data"};
    if (Installed()) {
        roots.push_back(UserStageRoot());
    }
    return roots;
}

fs::path ProgramPaths::ConfigFileToRead(const std::string& name) const {
    const fs::path own = configFolder / name;
    std::error_code error;
    if (fs::symlink_status(own, error).type() != fs::file_type::not_found && !error) {
        return own;
    }
    return programFolder / name;
}

ProgramPaths PortablePaths(const fs::path& folder) {
    ProgramPaths paths;
    paths.mode = FolderMode::Portable;
    paths.programFolder = folder;
    paths.configFolder = folder;
    paths.dataFolder = folder;
    paths.workFolder = folder / "temp";
    return paths;
}

std::optional<ProgramPaths> InstalledPaths(const fs::path& programFolder,
                                           const FolderEnvironment& environment,
                                           std::string& error) {
    const fs::path config = BaseFolder(environment.xdgConfigHome, environment.home, ".config");
    const fs::path data = BaseFolder(environment.xdgDataHome, environment.home, ".local/share");
    if (config.empty() || data.empty()) {
        error =
            "No home folder is known (HOME is not set), so there is nowhere to keep your "
            "settings and stages. Set HOME, or both XDG_CONFIG_HOME and XDG_DATA_HOME.";
        return std::nullopt;
    }
    ProgramPaths paths;
    paths.mode = FolderMode::Installed;
    paths.programFolder = programFolder;
    paths.configFolder = config / kUserFolderName;
    paths.dataFolder = data / kUserFolderName;
    const fs::path runtime(environment.xdgRuntimeDir);
    if (!runtime.empty() && runtime.is_absolute()) {
        paths.workFolder = runtime / kUserFolderName;
    } else {
        paths.workFolder = environment.temporary / (std::string(kUserFolderName) + "-" +
                                                    std::to_string(environment.userId));
    }
    return paths;
}

std::optional<ProgramPaths> ChooseProgramPaths(const fs::path& root,
                                               const fs::path& executableFolder,
                                               const FolderEnvironment& environment,
                                               std::string& error) {
    if (!root.empty()) {
        return PortablePaths(root);
    }
    if (IsWritableFolder(executableFolder) && !HasInstallMarker(executableFolder)) {
        return PortablePaths(executableFolder);
    }
    return InstalledPaths(executableFolder, environment, error);
}

fs::path ExecutableFolder(const char* argv0) {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (!error && self.is_absolute()) {
        return self.parent_path();
    }
    const fs::path named = fs::weakly_canonical(fs::absolute(argv0 ? argv0 : "", error), error);
    return named.parent_path();
}

bool IsWritableFolder(const fs::path& folder) {
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        return false;
    }
#ifdef TARN_POSIX
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
#else
    const auto perms = fs::status(folder, error).permissions();
    return !error && (perms & fs::perms::owner_write) != fs::perms::none;
#endif
}

bool HasInstallMarker(const fs::path& folder) {
    std::error_code error;
    return fs::is_regular_file(folder / kInstallMarker, error);
}

std::vector<fs::path> ListStageFolders(const std::vector<fs::path>& roots,
                                       std::error_code* unreadable) {
    std::vector<fs::path> all;
    if (unreadable) {
        unreadable->clear();
    }
    for (const fs::path& root : roots) {
        std::vector<fs::path> folders;
        std::error_code error;
        for (fs::directory_iterator it(root, error), end; !error && it != end;
             it.increment(error)) {
            std::error_code typeError;
            if (it->is_directory(typeError)) {
                folders.push_back(it->path() / "");
            }
        }
        if (error && error != std::errc::no_such_file_or_directory && unreadable && !*unreadable) {
            *unreadable = error;
        }
        std::sort(folders.begin(), folders.end());
        all.insert(all.end(), folders.begin(), folders.end());
    }
    return all;
}

bool MakeUserFolder(const fs::path& folder, std::string& error) {
    const fs::path target = WithoutTrailingSeparator(folder);
    std::vector<fs::path> missing;
    std::error_code failure;
    for (fs::path p = target; !p.empty(); p = p.parent_path()) {
        if (fs::symlink_status(p, failure).type() != fs::file_type::not_found) {
            break;
        }
        missing.push_back(p);
        if (p == p.parent_path()) {
            break;
        }
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        failure.clear();
        if (!fs::create_directory(*it, failure) && failure) {
            error = "Cannot make the folder " + it->string() + ": " + failure.message() + ".";
            return false;
        }
        fs::permissions(*it, fs::perms::owner_all, fs::perm_options::replace, failure);
    }
    if (!fs::is_directory(target, failure)) {
        error = "Cannot use " + target.string() + " as a folder: something else has its name.";
        return false;
    }
    return true;
}

bool PrepareWorkFolder(const ProgramPaths& paths, std::string& error) {
    if (!MakeUserFolder(paths.workFolder, error)) {
        return false;
    }
#ifdef TARN_POSIX
    // Below a shared temporary folder anyone could have made the folder first.
    struct stat info {};
    const fs::path folder = WithoutTrailingSeparator(paths.workFolder);
    if (paths.Installed() && (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) ||
                              info.st_uid != ::geteuid() || (info.st_mode & 077) != 0)) {
        error = "Cannot use " + folder.string() +
                " for work files: it is not a private folder of yours.";
        return false;
    }
#endif
    return true;
}

}  // namespace tarn
