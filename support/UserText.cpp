// Excerpts of user data for messages.
#include "support/UserText.h"

#include <algorithm>

namespace tarn {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence at the start of the text, or 0.
std::size_t SequenceLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    unsigned char low = 0x80;  // the range the second byte must lie in
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    const auto second = static_cast<unsigned char>(text[1]);
    if (second < low || second > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[i]))) {
            return 0;
        }
    }
    return length;
}

// A C1 control character (U+0080..U+009F): some terminals take U+009B as an escape.
bool IsC1Control(std::string_view sequence) {
    return sequence.size() == 2 && static_cast<unsigned char>(sequence[0]) == 0xC2 &&
           static_cast<unsigned char>(sequence[1]) <= 0x9F;
}

}  // namespace

std::string Excerpt(std::string_view text, std::size_t maxBytes) {
    std::string shown;
    shown.reserve(std::min(text.size(), maxBytes) + 3);
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t length = SequenceLength(text.substr(pos));
        std::string_view piece;
        if (length == 0) {
            piece = kReplacement;
        } else if (length == 1) {
            const auto c = static_cast<unsigned char>(text[pos]);
            piece = c < 0x20 || c == 0x7F ? std::string_view("?") : text.substr(pos, 1);
        } else {
            piece = IsC1Control(text.substr(pos, length)) ? std::string_view("?")
                                                          : text.substr(pos, length);
        }
        if (shown.size() + piece.size() > maxBytes) {
            shown += "...";
            break;
        }
        shown += piece;
        pos += length == 0 ? 1 : length;
    }
    return shown;
}

std::string ShownPath(const std::filesystem::path& path) {
    return Excerpt(path.string(), kMaxShownPathBytes);
}

}  // namespace tarn
