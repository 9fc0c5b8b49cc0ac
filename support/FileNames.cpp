// The plain file name rule.
#include "support/FileNames.h"

#include <algorithm>

namespace tarn {

bool IsPlainFileName(std::string_view name) {
    if (name.empty() || name.size() > kMaxFileNameBytes || name == "." || name == "..") {
        return false;
    }
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F;
    });
}

}  // namespace tarn
