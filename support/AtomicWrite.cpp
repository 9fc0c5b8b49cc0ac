// Atomic file replacement (POSIX, with Linux's unnamed temporary files where they exist).
//
// The bytes are written to a temporary file in the target's folder, flushed to the disk and
// renamed over the target. Where the file system allows it the temporary file has no name
// while it is written (O_TMPFILE), so a writer killed meanwhile leaves nothing; it gets a
// name only for the instant before the rename. A named temporary file is
// ".NAME.PID-N.tmp" and is locked (flock) for as long as its writer lives, so the next
// writer of the same target can tell a leftover from a write in progress and removes it.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <ctime>
#include <random>
#include <string>

#include "support/FileBytes.h"

namespace tarn {
namespace {

// Temporary files of writers from before the lock are removed once they are this old.
constexpr std::time_t kUnlockedLeftoverSeconds = 60;

// The name every temporary file of the target starts with: short enough that the longest
// name a folder takes still leaves room for the rest.
std::string TemporaryPrefix(const std::filesystem::path& target) {
    return "." + target.filename().string().substr(0, 200) + ".";
}

std::string TemporaryName(const std::filesystem::path& target, std::uint32_t number) {
    return TemporaryPrefix(target) + std::to_string(::getpid()) + "-" + std::to_string(number) +
           ".tmp";
}

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// A named temporary file of the target that nobody writes any more: its lock is free and
// its writer is gone (for the unlocked names of earlier versions: it is old).
bool IsLeftover(int folder, const std::string& name, std::string_view middle) {
    int fd = ::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == EACCES) {
        fd = ::openat(folder, name.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    }
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    bool leftover = false;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        const std::size_t dash = middle.find('-');
        if (dash == std::string_view::npos) {
            leftover =
                AllDigits(middle) && std::time(nullptr) - info.st_mtime > kUnlockedLeftoverSeconds;
        } else {
            // A writer takes its lock right after creating the file: a free lock on a file
            // of a living writer means it is just about to take it.
            int pid = 0;
            const auto [end, error] = std::from_chars(middle.data(), middle.data() + dash, pid);
            leftover = error == std::errc() && end == middle.data() + dash && pid > 0 &&
                       pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH;
        }
    }
    ::close(fd);
    return leftover;
}

void RemoveLeftovers(const std::filesystem::path& target) {
    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0) {
        return;
    }
    const int listFd = ::dup(folderFd);
    DIR* list = listFd < 0 ? nullptr : ::fdopendir(listFd);
    if (list == nullptr) {
        if (listFd >= 0) {
            ::close(listFd);
        }
        ::close(folderFd);
        return;
    }
    const std::string prefix = TemporaryPrefix(target);
    const std::string_view suffix = ".tmp";
    while (const dirent* entry = ::readdir(list)) {
        const std::string_view name = entry->d_name;
        if (name.size() <= prefix.size() + suffix.size() || !name.starts_with(prefix) ||
            !name.ends_with(suffix)) {
            continue;
        }
        const std::string_view middle =
            name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
        const std::string owned(name);
        if (IsLeftover(folderFd, owned, middle)) {
            ::unlinkat(folderFd, owned.c_str(), 0);
        }
    }
    ::closedir(list);
    ::close(folderFd);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Creates a locked, named temporary file beside the target.
int CreateNamed(const std::filesystem::path& target, std::filesystem::path& temporary,
                std::mt19937& numbers) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = target.parent_path() / TemporaryName(target, numbers());
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::flock(fd, LOCK_EX);
            return fd;
        }
        if (errno != EEXIST) {
            return -1;
        }
    }
    return -1;
}

// Gives a complete unnamed temporary file its name, keeping its lock.
bool NameUnnamed(int fd, const std::filesystem::path& target, std::filesystem::path& temporary,
                 std::mt19937& numbers) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = target.parent_path() / TemporaryName(target, numbers());
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            return true;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    return false;
}

// Makes the rename itself survive a power cut.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The target as it is now, and whether it may be replaced.
FileStatus CheckTarget(const std::filesystem::path& target, struct stat& existing, bool& exists,
                       FileReason* why) {
    exists = ::stat(target.c_str(), &existing) == 0;
    if (!exists) {
        return errno == ENOENT ? FileStatus::Ok
                               : ReportFailure(FileStatus::WriteFailed, why, errno);
    }
    if (!S_ISREG(existing.st_mode)) {
        std::error_code ignored;
        return ReportFailure(FileStatus::NotAFile, why, S_ISDIR(existing.st_mode) ? EISDIR : 0,
                             std::filesystem::status(target, ignored).type());
    }
    // The superuser may write anything; a file without any write permission was still
    // protected on purpose.
    if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return ReportFailure(FileStatus::WriteProtected, why, EACCES);
    }
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0 &&
        (errno == EACCES || errno == EPERM)) {
        return ReportFailure(FileStatus::WriteProtected, why, errno);
    }
    return FileStatus::Ok;
}

// Writes the bytes through one temporary file and renames it over the target; the errno
// of the step that failed, or 0. `named` becomes true when the file system has no unnamed
// files, or when one could not be given a name (no /proc): the caller then tries again.
int WriteThrough(const std::filesystem::path& target, std::string_view bytes,
                 const struct stat* existing, bool& named, bool& retryNamed) {
    std::random_device device;
    std::mt19937 numbers(device());
    const std::filesystem::path folder = target.parent_path();
    std::filesystem::path temporary;
    int fd = -1;
    if (!named) {
        fd = ::open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::flock(fd, LOCK_EX);
        } else {
            named = true;
        }
    }
    if (named) {
        fd = CreateNamed(target, temporary, numbers);
    }
    if (fd < 0) {
        return errno;
    }
    int failure = 0;
    if (existing != nullptr) {
        if (::fchown(fd, existing->st_uid, existing->st_gid) != 0) {
            // Only the superuser may give the file to another owner: the writer keeps it.
        }
        if (::fchmod(fd, existing->st_mode & 07777) != 0) {
            failure = errno;
        }
    }
    if (failure == 0 && (!WriteAll(fd, bytes) || ::fsync(fd) != 0)) {
        failure = errno;
    }
    if (failure == 0 && !named && !NameUnnamed(fd, target, temporary, numbers)) {
        failure = errno;
        retryNamed = true;
    }
    if (failure == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) {
        failure = errno;
    }
    if (failure != 0 && !temporary.empty()) {
        ::unlink(temporary.c_str());
    }
    // Closing releases the lock, after the name is gone.
    if (::close(fd) != 0 && failure == 0) {
        failure = errno;
    }
    return failure;
}

}  // namespace

FileStatus WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                               FileReason* why, TemporaryFile kind) {
    std::error_code error;
    std::filesystem::path target = file;
    if (std::filesystem::is_symlink(file, error)) {
        const std::filesystem::path resolved = std::filesystem::canonical(file, error);
        if (!error) {
            target = resolved;
        }
    }
    if (target.filename().empty()) {
        return ReportFailure(FileStatus::WriteFailed, why, EISDIR);
    }
    struct stat existing {};
    bool exists = false;
    if (const FileStatus status = CheckTarget(target, existing, exists, why);
        status != FileStatus::Ok) {
        return status;
    }
    RemoveLeftovers(target);
    bool named = kind == TemporaryFile::Named;
    bool retryNamed = false;
    int failure = WriteThrough(target, bytes, exists ? &existing : nullptr, named, retryNamed);
    if (retryNamed) {
        named = true;
        failure = WriteThrough(target, bytes, exists ? &existing : nullptr, named, retryNamed);
    }
    if (failure != 0) {
        return ReportFailure(FileStatus::WriteFailed, why, failure);
    }
    SyncFolder(target.parent_path());
    return FileStatus::Ok;
}

}  // namespace tarn
