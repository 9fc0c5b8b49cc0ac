// Virtual-key codes (the key numbers stored in the settings file), their display names,
// and the one table that turns a platform's key into a code. The game (SDL) and the
// settings tool (Qt) both translate through this table, so a key bound in the tool is
// the key the game reacts to.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tarn::vk {

inline constexpr int kBack = 8, kTab = 9, kReturn = 13, kShift = 16, kControl = 17, kMenu = 18,
                     kPause = 19, kCapital = 20, kEscape = 27, kConvert = 28, kNonConvert = 29,
                     kSpace = 32, kPrior = 33, kNext = 34, kEnd = 35, kHome = 36, kLeft = 37,
                     kUp = 38, kRight = 39, kDown = 40, kInsert = 45, kDelete = 46, kLWin = 91,
                     kRWin = 92, kApps = 93, kNumpad0 = 96, kMultiply = 106, kAdd = 107,
                     kSubtract = 109, kDecimal = 110, kDivide = 111, kF1 = 112, kF2 = 113,
                     kF11 = 122, kF12 = 123, kNumLock = 144, kScroll = 145, kOem1 = 186,
                     kOemPlus = 187, kOemComma = 188, kOemMinus = 189, kOemPeriod = 190,
                     kOem2 = 191, kOem3 = 192, kOem4 = 219, kOem5 = 220, kOem6 = 221, kOem7 = 222,
                     kOem102 = 226, kKanaHiragana = 242;

// Digit keys "0".."9" are 48..57, letters "A".."Z" 65..90.
constexpr int Digit(int d) {
    return 48 + d;
}
constexpr int Letter(char upper) {
    return int(upper);
}

// The classic name of a code (UTF-8): "A", "F 1", "SPACE", "←", ..., and otherwise the
// code's own character in code page 932 ("a" for the keypad's 1). Empty for 0 and for a
// lone lead byte, which have no character; such a stored code stands for "A".
std::string KeyName(int code);

// The name a person recognises the key by (UTF-8): "テンキー1", "CapsLock", "左Win",
// "F 1", "←", ... Every code 1..255 has one, no two codes share one, and a code no key
// produces is "コード N". Empty for 0 (no key) and outside 0..255. Only for showing: the
// settings file keeps the codes.
std::string ReadableKeyName(int code);

// A key as the platform reports it. usbUsage is the USB HID usage (which is what SDL
// scancodes are); x11Keysym the X11 keysym (what Qt reports as the native virtual key on
// X11); evdevCode the Linux input code of the key (an X11 keycode minus 8, which is what
// Qt reports as the native scan code on X11). Any may be 0 when unknown. The key's
// position (usbUsage, then evdevCode) wins over its keysym, so that the game, which
// reads positions, and the settings tool agree whatever the keyboard layout.
struct PlatformKey {
    std::uint32_t usbUsage = 0;
    std::uint32_t x11Keysym = 0;
    std::uint32_t evdevCode = 0;
};
std::optional<int> FromPlatformKey(PlatformKey key);

}  // namespace tarn::vk
