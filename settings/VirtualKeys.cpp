// Key names as the settings tool shows them, and the platform key table.
#include "settings/VirtualKeys.h"

#include <array>
#include <span>

#include "support/Cp932.h"

namespace tarn::vk {
namespace {

std::string Utf8Of(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
    return out;
}

// The one-byte character of a code in code page 932; empty for 0 and for a lead byte,
// which is no character on its own.
std::string CharacterOf(int code) {
    if (code <= 0 || code > 255 || cp932::IsLeadByte(static_cast<unsigned char>(code))) {
        return {};
    }
    if (code < 0x80) {
        return std::string(1, static_cast<char>(code));
    }
    if (code >= 0xA1 && code <= 0xDF) {  // half-width katakana
        return Utf8Of(U'\uFF61' + static_cast<char32_t>(code - 0xA1));
    }
    if (code == 0x80) {
        return Utf8Of(U'\u0080');
    }
    // 0xA0 and 0xFD..0xFF: the private-use characters Windows gives them.
    return Utf8Of(code == 0xA0 ? U'\uF8F0' : U'\uF8F1' + static_cast<char32_t>(code - 0xFD));
}

struct NamedKey {
    int code;
    const char* name;
};

constexpr std::array kNamedKeys{
    NamedKey{kEscape, "ESC"},
    NamedKey{kShift, "Shift"},
    NamedKey{kTab, "TAB"},
    NamedKey{kControl, "Ctrl"},
    NamedKey{kMenu, "Alt"},
    NamedKey{kSpace, "SPACE"},
    NamedKey{kBack, "BackSpace"},
    NamedKey{kConvert, "前候補"},
    NamedKey{kNonConvert, "無変換"},
    NamedKey{kKanaHiragana, "カタカナひらがな"},
    NamedKey{kApps, "ポップアップ"},
    NamedKey{kRWin, "Winボタン"},
    NamedKey{kInsert, "Insert"},
    NamedKey{kHome, "Home"},
    NamedKey{kPrior, "PageUP"},
    NamedKey{kNext, "PageDown"},
    NamedKey{kDelete, "Delete"},
    NamedKey{kEnd, "END"},
    NamedKey{kNumLock, "NumLock"},
    NamedKey{kDivide, "/"},
    NamedKey{kOem2, "/"},
    NamedKey{kOem5, "\\"},
    NamedKey{kOem102, "\\"},
    NamedKey{kOemComma, ","},
    NamedKey{kOemPeriod, "."},
    NamedKey{kUp, "↑"},
    NamedKey{kDown, "↓"},
    NamedKey{kLeft, "←"},
    NamedKey{kRight, "→"},
};

}  // namespace

std::string KeyName(int code) {
    std::string character = CharacterOf(code);
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) {
        return character;
    }
    if (code >= kF1 && code <= kF12) {
        return "F " + std::to_string(code - (kF1 - 1));
    }
    for (const NamedKey& key : kNamedKeys) {
        if (key.code == code) {
            return key.name;
        }
    }
    return character;
}

}  // namespace tarn::vk
