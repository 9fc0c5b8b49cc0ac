// The one rule for text that a file (a stage, a settings line) supplies as the name of a
// file in a folder: it must name a file of that folder itself, never one elsewhere.
#pragma once

#include <cstddef>
#include <string_view>

namespace tarn {

// The longest file name the usual file systems take, in bytes.
inline constexpr std::size_t kMaxFileNameBytes = 255;

// True for a name that, joined onto a folder, names a file directly inside it: not empty,
// not "." or "..", at most kMaxFileNameBytes bytes, and free of "/", "\", NUL and control
// characters (a separator or a dot folder would reach files elsewhere, a NUL would cut the
// name short where the system reads it, a control character is no name a user typed).
bool IsPlainFileName(std::string_view name);

}  // namespace tarn
