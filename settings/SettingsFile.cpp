// Reading, decoding and writing the settings line shared by the game and Optara.
#include "settings/SettingsFile.h"

#include <vector>

#include "support/Cp932.h"
#include "support/FileBytes.h"
#include "support/FileWords.h"
#include "support/UserText.h"

namespace tarn {
namespace {

constexpr int kKeyCharacters = kConfigCount * kSlotCount;  // 30
constexpr int kMinCharacters = kKeyCharacters + 1;         // keys and the frame rate
constexpr int kCodeBase = 30;

// Character codes of the first line: a single byte, or lead byte x 256 + trail byte.
std::vector<int> FirstLineCharacters(std::string_view contents) {
    const auto end = contents.find_first_of("\r\n");
    if (end != std::string_view::npos) {
        contents = contents.substr(0, end);
    }
    std::vector<int> codes;
    codes.reserve(contents.size());
    for (std::size_t i = 0; i < contents.size(); ++i) {
        const auto byte = static_cast<unsigned char>(contents[i]);
        if (cp932::IsLeadByte(byte) && i + 1 < contents.size()) {
            codes.push_back(byte * 256 + static_cast<unsigned char>(contents[++i]));
        } else {
            codes.push_back(byte);
        }
    }
    return codes;
}

// A settings line is 34 bytes; anything near this size is some other file.
constexpr std::uintmax_t kMaxSettingsFileBytes = std::uintmax_t{1} << 20;

SettingsStatus ReadWholeFile(const std::filesystem::path& file, std::string& contents,
                             FileReason* why) {
    FileReason reason;
    const FileStatus status = ReadFileBytes(file, contents, kMaxSettingsFileBytes, &reason);
    if (why != nullptr) {
        *why = reason;
    }
    switch (status) {
        case FileStatus::Ok:
            return SettingsStatus::Ok;
        case FileStatus::NotFound:
            return SettingsStatus::NotFound;
        case FileStatus::NotAFile:
            if (why != nullptr && why->type == std::filesystem::file_type::directory) {
                why->error = std::make_error_code(std::errc::is_a_directory);
            }
            break;
        case FileStatus::TooLarge:
        case FileStatus::ReadFailed:
        case FileStatus::WriteFailed:
        case FileStatus::WriteProtected:
            break;
    }
    return SettingsStatus::Unreadable;
}

SettingsStatus ReadLine(const std::filesystem::path& file, SettingsLine& line, FileReason* why) {
    std::string contents;
    const SettingsStatus status = ReadWholeFile(file, contents, why);
    if (status != SettingsStatus::Ok) {
        return status;
    }
    return ParseSettingsLine(contents, line);
}

std::string MessageTitle(const std::filesystem::path& file) {
    return ShownPath(file.filename());
}

// The system's reason as a line of its own, when there is one.
std::string ReasonLine(const FileReason& why) {
    if (why.type != std::filesystem::file_type::none &&
        why.type != std::filesystem::file_type::regular) {
        return "\n" + DescribeFileJa(FileStatus::NotAFile, why);
    }
    return why.error ? "\n（" + SystemReasonJa(why.error) + "）" : std::string();
}

UserMessage BadFrameRate(const std::filesystem::path& file) {
    return {"FPSの値が不正です\n60に設定します", MessageTitle(file), MessageIcon::Error};
}

UserMessage BadColorDepth(const std::filesystem::path& file) {
    return {"DrBitの値が不正です\n8bitに設定します", MessageTitle(file), MessageIcon::Error};
}

}  // namespace

const char* SettingsFileName(SettingsBuild build) {
    return build == SettingsBuild::LowSpec ? "morva2.cf" : "morva2.cfh";
}

std::string SettingsMessage(SettingsStatus status, const std::filesystem::path& file,
                            const FileReason& why) {
    const std::string name = ShownPath(file);
    switch (status) {
        case SettingsStatus::Ok:
            return {};
        case SettingsStatus::NotFound:
            return "設定ファイルが見つかりません\n" + name;
        case SettingsStatus::Unreadable:
            return "設定ファイルを読み込めません\n" + name + ReasonLine(why);
        case SettingsStatus::TooShort:
            return "設定ファイルの内容が短すぎます（31文字以上必要です）\n" + name;
        case SettingsStatus::KeyNotStorable:
            return "設定ファイルに保存できないキーがあります\n" + name;
        case SettingsStatus::WriteFailed:
            return "設定ファイルを書き込めません\n" + name + ReasonLine(why);
        case SettingsStatus::ValueOutOfRange:
            return "FPSまたは色数の値が範囲外のため保存できません\n" + name;
        case SettingsStatus::WriteProtected:
            return "設定ファイルは読み取り専用のため書き込めません（書き込みの許可がありません）。"
                   "ファイルはそのままです\n" +
                   name;
    }
    return "設定ファイルの処理に失敗しました\n" + name;
}

SettingsStatus ParseSettingsLine(std::string_view fileContents, SettingsLine& line) {
    const std::vector<int> codes = FirstLineCharacters(fileContents);
    if (codes.size() < static_cast<std::size_t>(kMinCharacters)) {
        return SettingsStatus::TooShort;
    }
    auto next = codes.begin();
    for (auto& config : line.KeyTable) {
        for (auto& key : config) {
            key = static_cast<std::uint8_t>(*next++ & 0xFF);
        }
    }
    line.frameCode = codes[kKeyCharacters];
    line.colourCode = (codes.back() - kCodeBase) & 0xFF;
    return SettingsStatus::Ok;
}

SettingsStatus ReadGameSettings(const std::filesystem::path& file, GameSettings& settings,
                                SettingsWarnings& warnings, FileReason* why) {
    SettingsLine line;
    const SettingsStatus status = ReadLine(file, line, why);
    if (status != SettingsStatus::Ok) {
        return status;
    }
    settings.KeyTable = line.KeyTable;
    // Computed in a wide type: a double-byte character has a code far above 255.
    const long long fps = (static_cast<long long>(line.frameCode) - 29) * 10;
    if (fps < FrameRateOfIndex(0) || fps > FrameRateOfIndex(kFrameRateCount - 1)) {
        warnings.push_back(BadFrameRate(file));
        settings.TargetFps = FrameRateOfIndex(kDefaultFrameRateIndex);
    } else {
        settings.TargetFps = static_cast<int>(fps);
    }
    if (line.colourCode == 0) {
        settings.ColorDepth = 8;
    } else if (line.colourCode == 1) {
        settings.ColorDepth = 16;
    } else {
        warnings.push_back(BadColorDepth(file));
        settings.ColorDepth = 8;
    }
    return SettingsStatus::Ok;
}

SettingsStatus ReadToolSettings(const std::filesystem::path& file, ToolSettings& settings,
                                SettingsWarnings& warnings, FileReason* why) {
    SettingsLine line;
    const SettingsStatus status = ReadLine(file, line, why);
    if (status != SettingsStatus::Ok) {
        return status;
    }
    settings.KeyTable = line.KeyTable;
    const int frameIndex = line.frameCode - kCodeBase;
    if (frameIndex < 0 || frameIndex >= kFrameRateCount) {
        warnings.push_back(BadFrameRate(file));
        settings.frameRateIndex = kDefaultFrameRateIndex;
    } else {
        settings.frameRateIndex = frameIndex;
    }
    if (line.colourCode >= kColorCount) {
        warnings.push_back(BadColorDepth(file));
        settings.colorIndex = 0;
    } else {
        settings.colorIndex = line.colourCode;
    }
    return SettingsStatus::Ok;
}

bool IsStorableKeyCode(int code) {
    return code >= 0 && code <= 255 && code != 10 && code != 13 &&
           !cp932::IsLeadByte(static_cast<unsigned char>(code));
}

SettingsStatus FormatSettingsLine(const ToolSettings& settings, std::string& line) {
    for (const auto& config : settings.KeyTable) {
        for (const std::uint8_t key : config) {
            if (!IsStorableKeyCode(key)) {
                return SettingsStatus::KeyNotStorable;
            }
        }
    }
    if (settings.frameRateIndex < 0 || settings.frameRateIndex >= kFrameRateCount ||
        settings.colorIndex < 0 || settings.colorIndex >= kColorCount) {
        return SettingsStatus::ValueOutOfRange;
    }
    std::string text;
    text.reserve(kMinCharacters + 3);
    for (const auto& config : settings.KeyTable) {
        for (const std::uint8_t key : config) {
            text.push_back(static_cast<char>(key));
        }
    }
    text.push_back(static_cast<char>(kCodeBase + settings.frameRateIndex));
    text.push_back(static_cast<char>(kCodeBase + settings.colorIndex));
    text += "\r\n";
    line = std::move(text);
    return SettingsStatus::Ok;
}

SettingsStatus WriteSettingsFile(const std::filesystem::path& file, const ToolSettings& settings,
                                 FileReason* why) {
    std::string line;
    const SettingsStatus status = FormatSettingsLine(settings, line);
    if (status != SettingsStatus::Ok) {
        return status;
    }
    // The old file stays whole until the new one is complete on disk.
    switch (WriteFileAtomically(file, line, why)) {
        case FileStatus::Ok:
            return SettingsStatus::Ok;
        case FileStatus::WriteProtected:
            return SettingsStatus::WriteProtected;
        default:
            return SettingsStatus::WriteFailed;
    }
}

}  // namespace tarn
