// Words for failed file operations.
#include "support/FileWords.h"

#include <cerrno>

namespace tarn {

namespace {

const char* KindEnglish(std::filesystem::file_type type) {
    using std::filesystem::file_type;
    switch (type) {
        case file_type::directory:
            return "a folder";
        case file_type::fifo:
            return "a pipe";
        case file_type::character:
        case file_type::block:
            return "a device";
        case file_type::socket:
            return "a socket";
        default:
            return nullptr;
    }
}

const char* KindJapanese(std::filesystem::file_type type) {
    using std::filesystem::file_type;
    switch (type) {
        case file_type::directory:
            return "フォルダです";
        case file_type::fifo:
            return "パイプです";
        case file_type::character:
        case file_type::block:
            return "デバイスです";
        case file_type::socket:
            return "ソケットです";
        default:
            return nullptr;
    }
}

}  // namespace

std::string SystemReasonJa(const std::error_code& error) {
    if (error.category() == std::generic_category() || error.category() == std::system_category()) {
        switch (error.value()) {
            case EACCES:
            case EPERM:
                return "アクセスが拒否されました";
            case ENOSPC:
                return "ディスクの空き容量が足りません";
            case EDQUOT:
                return "ディスクの使用量が上限に達しました";
            case EROFS:
                return "読み取り専用のファイルシステムです";
            case ENOENT:
                return "ファイルまたはフォルダが見つかりません";
            case ENOTDIR:
                return "パスの途中にフォルダでないものがあります";
            case EISDIR:
                return "フォルダです";
            case ELOOP:
                return "シンボリックリンクが循環しています";
            case ENAMETOOLONG:
                return "ファイル名が長すぎます";
            case EIO:
                return "入出力エラーが起きました";
            case EFBIG:
                return "ファイルが大きすぎます";
            case EMFILE:
            case ENFILE:
                return "開いているファイルが多すぎます";
            case EBUSY:
            case ETXTBSY:
                return "ファイルが使用中です";
            default:
                break;
        }
    }
    return error.message();
}

std::string DescribeFile(FileStatus status, const FileReason& why) {
    switch (status) {
        case FileStatus::Ok:
            return "ok";
        case FileStatus::NotFound:
            return "no such file";
        case FileStatus::NotAFile:
            if (const char* kind = KindEnglish(why.type)) {
                return std::string("not a regular file but ") + kind;
            }
            return "not a regular file";
        case FileStatus::TooLarge:
            return "file too large";
        case FileStatus::ReadFailed:
            return why.error ? why.error.message() : "cannot be read";
        case FileStatus::WriteFailed:
            return why.error ? why.error.message() : "cannot be written";
        case FileStatus::WriteProtected:
            return "read-only (no write permission); left as it was";
    }
    return "unknown error";
}

std::string DescribeFileJa(FileStatus status, const FileReason& why) {
    switch (status) {
        case FileStatus::Ok:
            return "正常です";
        case FileStatus::NotFound:
            return "ファイルが見つかりません";
        case FileStatus::NotAFile:
            if (const char* kind = KindJapanese(why.type)) {
                return std::string("通常のファイルではありません（") + kind + "）";
            }
            return "通常のファイルではありません";
        case FileStatus::TooLarge:
            return "ファイルが大きすぎます";
        case FileStatus::ReadFailed:
            return why.error ? "読み込めません（" + SystemReasonJa(why.error) + "）"
                             : "読み込めません";
        case FileStatus::WriteFailed:
            return why.error ? "書き込めません（" + SystemReasonJa(why.error) + "）"
                             : "書き込めません";
        case FileStatus::WriteProtected:
            return "読み取り専用のため書き込めません（書き込みの許可がありません）。"
                   "ファイルはそのままです";
    }
    return "不明なエラーです";
}

}  // namespace tarn
