// The settings file: one line in code page 932 ended by CR LF. Characters 1..30 are the
// key table (configuration 0 slots 0..5, then configuration 1, ...), character 31 the
// frame rate (code 30 + list index of "10".."90"), the last character the colour depth
// (code 30: 8 bits, 31: 16 bits). A character is one byte, or two when the first is a
// lead byte of code page 932.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support/FileBytes.h"
#include "support/UserMessage.h"

namespace tarn {

inline constexpr int kConfigCount = 5;
inline constexpr int kSlotCount = 6;
// Slots of every configuration.
enum KeySlot : int { kSlotRight = 0, kSlotLeft, kSlotDash, kSlotJump, kSlotGiveUp, kSlotPower };

using KeyTableData = std::array<std::array<std::uint8_t, kSlotCount>, kConfigCount>;

enum class SettingsBuild { Normal, LowSpec };
// "morva2.cfh" for the normal build, "morva2.cf" for the low-spec build.
const char* SettingsFileName(SettingsBuild build);

enum class [[nodiscard]] SettingsStatus{
    Ok,
    NotFound,        // no such file
    Unreadable,      // the file exists but cannot be read, or is over 1 MiB
    TooShort,        // the first line holds fewer than 31 characters
    KeyNotStorable,  // a key code the line cannot carry (10, 13, a lead byte)
    WriteFailed,
    ValueOutOfRange,  // a frame-rate index outside 0..8 or a colour index outside 0..1
    WriteProtected,   // the file is read-only for this user and was left as it was
};
// The message a program shows for a failed read or write, naming the file (UTF-8) and,
// when the file itself failed, the system's reason.
std::string SettingsMessage(SettingsStatus status, const std::filesystem::path& file,
                            const FileReason& why = {});

// The raw values of a settings line, as both readers decode them.
struct SettingsLine {
    KeyTableData KeyTable{};
    int frameCode = 0;   // character code of character 31
    int colourCode = 0;  // character code of the last character minus 30, kept in 8 bits
};
SettingsStatus ParseSettingsLine(std::string_view fileContents, SettingsLine& line);

// Values a read replaced, each with the message its reader shows the user (titled with
// the file's name): "DrBitの値が不正です", a line break and "8bitに設定します" for an
// invalid colour code, "FPSの値が不正です", a line break and "60に設定します" for a frame
// rate the list does not hold.
using SettingsWarnings = std::vector<UserMessage>;

// The game's reading: TargetFps = (frame code - 29) x 10 and the colour-depth check.
struct GameSettings {
    KeyTableData KeyTable{};
    int TargetFps = 60;
    int ColorDepth = 16;
};
// Reads and decodes for the game. An invalid colour code gives 8 bits, a frame rate
// outside 10..90 gives 60 (so that it never reaches the frame pacing); each adds a
// warning.
SettingsStatus ReadGameSettings(const std::filesystem::path& file, GameSettings& settings,
                                SettingsWarnings& warnings, FileReason* why = nullptr);

// The settings tool's reading: list indexes of the frame-rate and colour lists.
struct ToolSettings {
    KeyTableData KeyTable{};
    int frameRateIndex = 5;  // "60"
    int colorIndex = 1;      // "16bit"
};
// An index outside its list gives the default (60, 8 bits) and adds a warning.
SettingsStatus ReadToolSettings(const std::filesystem::path& file, ToolSettings& settings,
                                SettingsWarnings& warnings, FileReason* why = nullptr);

// True for every key code that the line can carry and read back unchanged: 0..255 except
// 10 and 13 (they end the line) and the lead bytes of code page 932 (they join the next
// character). 0 ("no key") is storable: it reads back as 0.
bool IsStorableKeyCode(int code);

inline constexpr int kFrameRateCount = 9;  // "10".."90"
inline constexpr int kColorCount = 2;      // "8bit", "16bit"
inline constexpr int kDefaultFrameRateIndex = 5;
// The frames per second of a frame-rate list index: 10 x (index + 1).
constexpr int FrameRateOfIndex(int index) {
    return (index + 1) * 10;
}

// The line for a table, frame-rate index and colour index, CR LF included.
SettingsStatus FormatSettingsLine(const ToolSettings& settings, std::string& line);
// Writes the file atomically (see WriteFileAtomically); a read-only file is left as it was.
SettingsStatus WriteSettingsFile(const std::filesystem::path& file, const ToolSettings& settings,
                                 FileReason* why = nullptr);

}  // namespace tarn
