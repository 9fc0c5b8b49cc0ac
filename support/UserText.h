// User data inside messages. A message quotes at most a short, printable excerpt of what a
// file or a person supplied, so that a damaged file can neither flood the output nor send
// escape sequences to a terminal, and a file name that is no UTF-8 still reads as text.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarn {

inline constexpr std::size_t kExcerptBytes = 40;
// Paths are shown whole up to a length no real path reaches.
inline constexpr std::size_t kMaxShownPathBytes = 1024;

// At most maxBytes bytes of valid UTF-8 taken from the start of the text, followed by
// "..." when it was cut: control characters (C0, DEL, C1) become "?", bytes that are no
// UTF-8 become U+FFFD. Only the first few bytes past maxBytes are ever looked at.
std::string Excerpt(std::string_view text, std::size_t maxBytes = kExcerptBytes);

// A path as a message shows it: its bytes as an excerpt of up to kMaxShownPathBytes.
std::string ShownPath(const std::filesystem::path& path);

}  // namespace tarn
