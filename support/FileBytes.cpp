// Bounded whole-file reads and atomic file replacement (POSIX).
#include "support/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <system_error>

namespace tarn {
namespace {

template <class Bytes>
FileStatus ReadBounded(const std::filesystem::path& file, Bytes& bytes, std::uintmax_t maxBytes) {
    bytes.clear();
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return FileStatus::NotFound;
    }
    if (error) {
        return FileStatus::ReadFailed;
    }
    if (!std::filesystem::is_regular_file(status)) {
        return FileStatus::NotAFile;
    }
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return FileStatus::ReadFailed;
    }
    struct stat info {};
    // The name may have been swapped for something else since it was looked at.
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return FileStatus::NotAFile;
    }
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        ::close(fd);
        return FileStatus::TooLarge;
    }
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char chunk[16384];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            ::close(fd);
            bytes.clear();
            return FileStatus::ReadFailed;
        }
        if (got == 0) {
            break;
        }
        // A file that grows while it is read is held to the same bound.
        if (bytes.size() + static_cast<std::size_t>(got) > maxBytes) {
            ::close(fd);
            bytes.clear();
            return FileStatus::TooLarge;
        }
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    ::close(fd);
    return FileStatus::Ok;
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

// A new file of our own beside the target (one file system, so the rename is atomic).
// Created with the usual permissions, which the process's umask then narrows.
int CreateTemporaryBeside(const std::filesystem::path& target, std::filesystem::path& temporary) {
    std::random_device device;
    const std::filesystem::path folder = target.parent_path();
    // Short enough that the longest name a folder takes still leaves room for the suffix.
    const std::string stem = target.filename().string().substr(0, 200);
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = folder / ("." + stem + "." + std::to_string(device() % 1000000000u) + ".tmp");
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

}  // namespace

FileStatus ReadFileBytes(const std::filesystem::path& file, std::vector<std::uint8_t>& bytes,
                         std::uintmax_t maxBytes) {
    return ReadBounded(file, bytes, maxBytes);
}

FileStatus ReadFileBytes(const std::filesystem::path& file, std::string& bytes,
                         std::uintmax_t maxBytes) {
    return ReadBounded(file, bytes, maxBytes);
}

FileStatus WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
    std::error_code error;
    std::filesystem::path target = file;
    if (std::filesystem::is_symlink(file, error)) {
        const std::filesystem::path resolved = std::filesystem::canonical(file, error);
        if (!error) {
            target = resolved;
        }
    }
    if (target.filename().empty() || std::filesystem::is_directory(target, error)) {
        return FileStatus::WriteFailed;
    }
    std::filesystem::path temporary;
    const int fd = CreateTemporaryBeside(target, temporary);
    if (fd < 0) {
        return FileStatus::WriteFailed;
    }
    bool ok = true;
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        ok = ::fchmod(fd, existing.st_mode & 07777) == 0;
    }
    ok = ok && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok && ::rename(temporary.c_str(), target.c_str()) == 0) {
        return FileStatus::Ok;
    }
    ::unlink(temporary.c_str());
    return FileStatus::WriteFailed;
}

}  // namespace tarn
