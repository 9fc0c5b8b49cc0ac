// Key names: the classic ones of the settings line's characters, and readable ones.
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

// Names for keys whose classic name is a stray character, or that need telling apart.
constexpr std::array kReadableKeys{
    NamedKey{kBack, "BackSpace"},
    NamedKey{kTab, "TAB"},
    NamedKey{12, "Clear"},
    NamedKey{kReturn, "Enter"},
    NamedKey{kShift, "Shift"},
    NamedKey{kControl, "Ctrl"},
    NamedKey{kMenu, "Alt"},
    NamedKey{kPause, "Pause"},
    NamedKey{kCapital, "CapsLock"},
    NamedKey{21, "かな"},
    NamedKey{25, "漢字"},
    NamedKey{kEscape, "ESC"},
    NamedKey{kConvert, "前候補"},
    NamedKey{kNonConvert, "無変換"},
    NamedKey{kSpace, "SPACE"},
    NamedKey{kPrior, "PageUP"},
    NamedKey{kNext, "PageDown"},
    NamedKey{kEnd, "END"},
    NamedKey{kHome, "Home"},
    NamedKey{kLeft, "←"},
    NamedKey{kUp, "↑"},
    NamedKey{kRight, "→"},
    NamedKey{kDown, "↓"},
    NamedKey{44, "PrintScreen"},
    NamedKey{kInsert, "Insert"},
    NamedKey{kDelete, "Delete"},
    NamedKey{kLWin, "左Win"},
    NamedKey{kRWin, "右Win"},
    NamedKey{kApps, "ポップアップ"},
    NamedKey{kMultiply, "テンキー*"},
    NamedKey{kAdd, "テンキー+"},
    NamedKey{kSubtract, "テンキー-"},
    NamedKey{kDecimal, "テンキー."},
    NamedKey{kDivide, "テンキー/"},
    NamedKey{kNumLock, "NumLock"},
    NamedKey{kScroll, "ScrollLock"},
    NamedKey{160, "左Shift"},
    NamedKey{161, "右Shift"},
    NamedKey{162, "左Ctrl"},
    NamedKey{163, "右Ctrl"},
    NamedKey{164, "左Alt"},
    NamedKey{165, "右Alt"},
    // The punctuation keys by what a US keyboard prints on them, as the platform table
    // maps them.
    NamedKey{kOem1, ";"},
    NamedKey{kOemPlus, "="},
    NamedKey{kOemComma, ","},
    NamedKey{kOemMinus, "-"},
    NamedKey{kOemPeriod, "."},
    NamedKey{kOem2, "/"},
    NamedKey{kOem3, "`"},
    NamedKey{kOem4, "["},
    NamedKey{kOem5, "\\"},
    NamedKey{kOem6, "]"},
    NamedKey{kOem7, "'"},
    NamedKey{kOem102, "\\ (ろ)"},
    NamedKey{240, "英数"},
    NamedKey{kKanaHiragana, "カタカナひらがな"},
};

const char* NameIn(std::span<const NamedKey> keys, int code) {
    for (const NamedKey& key : keys) {
        if (key.code == code) {
            return key.name;
        }
    }
    return nullptr;
}

bool IsDigitOrLetter(int code) {
    return (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z');
}

std::string FunctionKeyName(int code) {
    return "F " + std::to_string(code - (kF1 - 1));
}

}  // namespace

std::string KeyName(int code) {
    std::string character = CharacterOf(code);
    if (IsDigitOrLetter(code)) {
        return character;
    }
    if (code >= kF1 && code <= kF12) {
        return FunctionKeyName(code);
    }
    if (const char* name = NameIn(kNamedKeys, code)) {
        return name;
    }
    return character;
}

std::string ReadableKeyName(int code) {
    constexpr int kF24 = kF1 + 23;
    if (code <= 0 || code > 255) {
        return {};
    }
    if (IsDigitOrLetter(code)) {
        return std::string(1, static_cast<char>(code));
    }
    if (code >= kF1 && code <= kF24) {
        return FunctionKeyName(code);
    }
    if (code >= kNumpad0 && code <= kNumpad0 + 9) {
        return "テンキー" + std::to_string(code - kNumpad0);
    }
    if (const char* name = NameIn(kReadableKeys, code)) {
        return name;
    }
    return "コード " + std::to_string(code);
}

}  // namespace tarn::vk
