// Code page 932 (Japanese ANSI) text: the one place where it meets UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarn::cp932 {

// A byte that starts a double-byte character and joins the byte after it.
constexpr bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Converts code page 932 bytes to UTF-8. Bytes that form no character become U+FFFD.
std::string ToUtf8(std::string_view text);

// Converts UTF-8 to code page 932. Characters that code page 932 cannot hold become "?".
std::string FromUtf8(std::string_view text);

// Strict forms: nothing when any byte or character does not convert.
std::optional<std::string> ToUtf8Strict(std::string_view text);
std::optional<std::string> FromUtf8Strict(std::string_view text);

// The characters of a UTF-8 text that code page 932 cannot hold (each once, in order of
// first appearance; a malformed sequence counts as one such character).
std::vector<std::string> UnconvertibleCharacters(std::string_view utf8);

}  // namespace tarn::cp932
