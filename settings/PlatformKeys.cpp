// The one table from platform keys to virtual-key codes. Each row names a key by its
// USB HID usage (SDL scancode), its Linux input code (X11 keycode - 8) and its X11
// keysym; rows with only a keysym cover the other keysyms a key can report.
#include <array>
#include <cstdint>

#include "settings/VirtualKeys.h"

namespace tarn::vk {
namespace {

struct KeyRow {
    std::uint8_t code;
    std::uint16_t usbUsage;
    std::uint16_t evdevCode;
    std::uint32_t x11Keysym;
};

// Linux input codes of "A".."Z" (they follow the QWERTY rows, not the alphabet).
constexpr std::array<std::uint16_t, 26> kLetterEvdev{30, 48, 46, 32, 18, 33, 34, 35, 23,
                                                     36, 37, 38, 50, 49, 24, 25, 16, 19,
                                                     31, 20, 22, 47, 17, 45, 21, 44};
// Linux input codes of the keypad digits 0..9.
constexpr std::array<std::uint16_t, 10> kKeypadEvdev{82, 79, 80, 81, 75, 76, 77, 71, 72, 73};

constexpr std::array kOtherKeys{
    KeyRow{kBack, 42, 14, 0xff08}, KeyRow{kTab, 43, 15, 0xff09},
    KeyRow{kTab, 0, 0, 0xfe20},                                        // ISO_Left_Tab (Shift+Tab)
    KeyRow{kReturn, 40, 28, 0xff0d}, KeyRow{kReturn, 88, 96, 0xff8d},  // keypad Enter
    KeyRow{kShift, 225, 42, 0xffe1}, KeyRow{kShift, 229, 54, 0xffe2},
    KeyRow{kControl, 224, 29, 0xffe3}, KeyRow{kControl, 228, 97, 0xffe4},
    KeyRow{kMenu, 226, 56, 0xffe9}, KeyRow{kMenu, 230, 100, 0xffea},
    KeyRow{kMenu, 0, 0, 0xfe03},  // ISO_Level3_Shift (AltGr)
    KeyRow{kPause, 72, 119, 0xff13}, KeyRow{kCapital, 57, 58, 0xffe5},
    KeyRow{kEscape, 41, 1, 0xff1b}, KeyRow{kConvert, 138, 92, 0xff23},
    KeyRow{kNonConvert, 139, 94, 0xff22}, KeyRow{kKanaHiragana, 136, 93, 0xff27},
    KeyRow{kKanaHiragana, 146, 90, 0xff26},  // Katakana
    KeyRow{kKanaHiragana, 147, 91, 0xff25},  // Hiragana
    KeyRow{kSpace, 44, 57, 0x20}, KeyRow{kPrior, 75, 104, 0xff55}, KeyRow{kNext, 78, 109, 0xff56},
    KeyRow{kEnd, 77, 107, 0xff57}, KeyRow{kHome, 74, 102, 0xff50}, KeyRow{kLeft, 80, 105, 0xff51},
    KeyRow{kUp, 82, 103, 0xff52}, KeyRow{kRight, 79, 106, 0xff53}, KeyRow{kDown, 81, 108, 0xff54},
    KeyRow{44, 70, 99, 0xff61},  // Print Screen
    KeyRow{kInsert, 73, 110, 0xff63}, KeyRow{kDelete, 76, 111, 0xffff},
    KeyRow{kLWin, 227, 125, 0xffeb}, KeyRow{kRWin, 231, 126, 0xffec},
    KeyRow{kApps, 101, 127, 0xff67}, KeyRow{kMultiply, 85, 55, 0xffaa},
    KeyRow{kAdd, 87, 78, 0xffab}, KeyRow{kSubtract, 86, 74, 0xffad},
    KeyRow{kDecimal, 99, 83, 0xffae}, KeyRow{kDivide, 84, 98, 0xffaf},
    KeyRow{kNumLock, 83, 69, 0xff7f}, KeyRow{kScroll, 71, 70, 0xff14},
    // The keypad with NumLock off reports the keysyms of the keys it doubles.
    KeyRow{kHome, 0, 0, 0xff95}, KeyRow{kLeft, 0, 0, 0xff96}, KeyRow{kUp, 0, 0, 0xff97},
    KeyRow{kRight, 0, 0, 0xff98}, KeyRow{kDown, 0, 0, 0xff99}, KeyRow{kPrior, 0, 0, 0xff9a},
    KeyRow{kNext, 0, 0, 0xff9b}, KeyRow{kEnd, 0, 0, 0xff9c},
    KeyRow{12, 0, 0, 0xff9d},  // KP_Begin: Clear
    KeyRow{kInsert, 0, 0, 0xff9e}, KeyRow{kDelete, 0, 0, 0xff9f}, KeyRow{kOem1, 51, 39, ';'},
    KeyRow{kOemPlus, 46, 13, '='}, KeyRow{kOemComma, 54, 51, ','}, KeyRow{kOemMinus, 45, 12, '-'},
    KeyRow{kOemPeriod, 55, 52, '.'}, KeyRow{kOem2, 56, 53, '/'}, KeyRow{kOem3, 53, 41, '`'},
    KeyRow{kOem4, 47, 26, '['}, KeyRow{kOem5, 49, 43, '\\'}, KeyRow{kOem6, 48, 27, ']'},
    KeyRow{kOem7, 52, 40, '\''}, KeyRow{kOem102, 100, 86, '<'},  // the extra key beside left Shift
    KeyRow{kOem102, 135, 89, 0},                                 // JIS "\ ろ"
    KeyRow{kOem5, 137, 124, 0xa5},                               // JIS yen
};

constexpr std::size_t kRowCount = 26 + 10 + 12 + 10 + kOtherKeys.size();

constexpr std::array<KeyRow, kRowCount> BuildTable() {
    std::array<KeyRow, kRowCount> rows{};
    std::size_t n = 0;
    for (int i = 0; i < 26; ++i) {
        rows[n++] = {static_cast<std::uint8_t>('A' + i), static_cast<std::uint16_t>(4 + i),
                     kLetterEvdev[i], static_cast<std::uint32_t>('a' + i)};
    }
    for (int d = 0; d < 10; ++d) {
        // USB and Linux order the digit row 1..9, 0.
        const int position = d == 0 ? 9 : d - 1;
        rows[n++] = {static_cast<std::uint8_t>(Digit(d)), static_cast<std::uint16_t>(30 + position),
                     static_cast<std::uint16_t>(2 + position), static_cast<std::uint32_t>('0' + d)};
    }
    for (int f = 0; f < 12; ++f) {
        const int evdev = f < 10 ? 59 + f : 87 + (f - 10);
        rows[n++] = {static_cast<std::uint8_t>(kF1 + f), static_cast<std::uint16_t>(58 + f),
                     static_cast<std::uint16_t>(evdev), static_cast<std::uint32_t>(0xffbe + f)};
    }
    for (int d = 0; d < 10; ++d) {
        const int usb = d == 0 ? 98 : 88 + d;
        rows[n++] = {static_cast<std::uint8_t>(kNumpad0 + d), static_cast<std::uint16_t>(usb),
                     kKeypadEvdev[d], static_cast<std::uint32_t>(0xffb0 + d)};
    }
    for (const KeyRow& row : kOtherKeys) {
        rows[n++] = row;
    }
    return rows;
}

constexpr std::array<KeyRow, kRowCount> kKeyTable = BuildTable();

template <typename Field>
std::optional<int> Find(std::uint32_t value, Field field) {
    if (value == 0) {
        return std::nullopt;
    }
    for (const KeyRow& row : kKeyTable) {
        if (row.*field == value) {
            return row.code;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<int> FromPlatformKey(PlatformKey key) {
    if (auto code = Find(key.usbUsage, &KeyRow::usbUsage)) {
        return code;
    }
    if (auto code = Find(key.evdevCode, &KeyRow::evdevCode)) {
        return code;
    }
    // An upper-case letter keysym (Caps Lock) is the letter's key.
    if (key.x11Keysym >= 'A' && key.x11Keysym <= 'Z') {
        return static_cast<int>(key.x11Keysym);
    }
    return Find(key.x11Keysym, &KeyRow::x11Keysym);
}

}  // namespace tarn::vk
