// Whole-file reading with a size bound, and replacing a file so that it never holds a
// partial write: the one place where the libraries touch file contents.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

enum class [[nodiscard]] FileStatus{
    Ok,
    NotFound,     // no such file
    NotAFile,     // a folder, a device or a pipe
    TooLarge,     // more bytes than the caller accepts
    ReadFailed,   // the file exists but could not be read
    WriteFailed,  // the file could not be written or replaced
};

// Reads a regular file whole. Nothing that is not a regular file is opened, so a pipe
// cannot block the caller; a file of more than maxBytes is refused without being read.
FileStatus ReadFileBytes(const std::filesystem::path& file, std::vector<std::uint8_t>& bytes,
                         std::uintmax_t maxBytes);
FileStatus ReadFileBytes(const std::filesystem::path& file, std::string& bytes,
                         std::uintmax_t maxBytes);

// Replaces the file with the bytes: they go to a new file beside it, reach the disk and
// are renamed over it, so the file holds either its old or its new contents and a failure
// leaves nothing behind. A replaced file keeps its permissions; a symbolic link is
// followed and stays a link.
FileStatus WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

}  // namespace tarn
