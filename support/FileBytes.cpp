// Bounded whole-file reads (POSIX).
#include "support/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tarn {
namespace {

std::filesystem::file_type TypeOf(mode_t mode) {
    using std::filesystem::file_type;
    if (S_ISDIR(mode)) {
        return file_type::directory;
    }
    if (S_ISFIFO(mode)) {
        return file_type::fifo;
    }
    if (S_ISCHR(mode)) {
        return file_type::character;
    }
    if (S_ISBLK(mode)) {
        return file_type::block;
    }
    if (S_ISSOCK(mode)) {
        return file_type::socket;
    }
    return S_ISREG(mode) ? file_type::regular : file_type::unknown;
}

template <class Bytes>
FileStatus ReadBounded(const std::filesystem::path& file, Bytes& bytes, std::uintmax_t maxBytes,
                       FileReason* why) {
    bytes.clear();
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) {
        const int error = errno;
        const bool missing = error == ENOENT || error == ENOTDIR;
        return ReportFailure(missing ? FileStatus::NotFound : FileStatus::ReadFailed, why, error);
    }
    if (!S_ISREG(info.st_mode)) {
        return ReportFailure(FileStatus::NotAFile, why, 0, TypeOf(info.st_mode));
    }
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        const int error = errno;
        return ReportFailure(error == ENOENT ? FileStatus::NotFound : FileStatus::ReadFailed, why,
                             error);
    }
    // The name may have been swapped for something else since it was looked at.
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return ReportFailure(FileStatus::NotAFile, why, 0, TypeOf(info.st_mode));
    }
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        ::close(fd);
        return ReportFailure(FileStatus::TooLarge, why, EFBIG);
    }
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char chunk[16384];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            bytes.clear();
            return ReportFailure(FileStatus::ReadFailed, why, error);
        }
        if (got == 0) {
            break;
        }
        // A file that grows while it is read is held to the same bound.
        if (bytes.size() + static_cast<std::size_t>(got) > maxBytes) {
            ::close(fd);
            bytes.clear();
            return ReportFailure(FileStatus::TooLarge, why, EFBIG);
        }
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    ::close(fd);
    return FileStatus::Ok;
}

}  // namespace

FileStatus ReadFileBytes(const std::filesystem::path& file, std::vector<std::uint8_t>& bytes,
                         std::uintmax_t maxBytes, FileReason* why) {
    return ReadBounded(file, bytes, maxBytes, why);
}

FileStatus ReadFileBytes(const std::filesystem::path& file, std::string& bytes,
                         std::uintmax_t maxBytes, FileReason* why) {
    return ReadBounded(file, bytes, maxBytes, why);
}

FileStatus ReportFailure(FileStatus status, FileReason* why, int error,
                         std::filesystem::file_type type) {
    if (why != nullptr) {
        why->error =
            error == 0 ? std::error_code() : std::error_code(error, std::generic_category());
        why->type = type;
    }
    return status;
}

}  // namespace tarn
