// What a failed file operation tells the user: the kind of failure and the system's
// reason, in English (the game, tr2tool) or in Japanese (the editor, Optara).
#pragma once

#include <string>
#include <system_error>

#include "support/FileBytes.h"

namespace tarn {

// "no such file", "not a regular file but a folder", "Permission denied", "No space left
// on device", "read-only (no write permission)", ...
std::string DescribeFile(FileStatus status, const FileReason& why);
// "ファイルが見つかりません", "通常のファイルではありません（フォルダです）",
// "書き込めません（ディスクの空き容量が足りません）", ...
std::string DescribeFileJa(FileStatus status, const FileReason& why);

// The system's reason in Japanese: the common ones translated, any other in the system's
// own words.
std::string SystemReasonJa(const std::error_code& error);

}  // namespace tarn
