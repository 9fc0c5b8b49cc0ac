// Whole-file reading with a size bound, and replacing a file so that it never holds a
// partial write: the one place where the libraries touch file contents.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace tarn {

enum class [[nodiscard]] FileStatus{
    Ok,
    NotFound,        // no such file
    NotAFile,        // a folder, a device or a pipe
    TooLarge,        // more bytes than the caller accepts
    ReadFailed,      // the file exists but could not be read
    WriteFailed,     // the file could not be written or replaced
    WriteProtected,  // the file is read-only for this user: it was left as it was
};

// The system's side of a failure, for messages that say what is wrong.
struct FileReason {
    std::error_code error;  // of the call that failed; empty when the status says it all
    // What the name is instead of a regular file (NotAFile).
    std::filesystem::file_type type = std::filesystem::file_type::none;
};

// Gives the status back, after filling `why` (where asked for) with the error number of the
// call that failed (0: none) and what the name is instead of a regular file.
FileStatus ReportFailure(FileStatus status, FileReason* why, int error,
                         std::filesystem::file_type type = std::filesystem::file_type::none);

// Reads a regular file whole. Nothing that is not a regular file is opened, so a pipe
// cannot block the caller; a file of more than maxBytes is refused without being read.
FileStatus ReadFileBytes(const std::filesystem::path& file, std::vector<std::uint8_t>& bytes,
                         std::uintmax_t maxBytes, FileReason* why = nullptr);
FileStatus ReadFileBytes(const std::filesystem::path& file, std::string& bytes,
                         std::uintmax_t maxBytes, FileReason* why = nullptr);

// Where the bytes wait before they replace the file.
enum class TemporaryFile {
    Unnamed,  // a file without a name until it is complete, where the file system allows
    Named,    // a hidden file beside the target from the start
};

// Replaces the file with the bytes: they go to a new file beside it, reach the disk and
// are renamed over it, so the file holds either its old or its new contents and a failure
// leaves nothing behind. A writer that is killed meanwhile leaves at most a hidden
// ".NAME.PID-N.tmp", which the next write of the same file removes once its writer is
// gone. A replaced file keeps its permissions; a symbolic link is followed and stays a
// link. A file that is read-only for this user (or has no write permission for anyone)
// is not replaced: WriteProtected. Something other than a regular file is not replaced
// either: NotAFile.
FileStatus WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                               FileReason* why = nullptr,
                               TemporaryFile temporary = TemporaryFile::Unnamed);

}  // namespace tarn
