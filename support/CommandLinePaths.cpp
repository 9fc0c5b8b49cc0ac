// Command-line paths as bytes.
#include "support/CommandLinePaths.h"

#include <system_error>

namespace tarn {

RawArguments::RawArguments(int argc, const char* const* argv, std::vector<std::string> decoded)
    : raw_(argv, argv + argc), decoded_(std::move(decoded)) {
    decoded_.resize(raw_.size());
}

std::filesystem::path RawArguments::PathOf(const std::string& value,
                                           std::string_view option) const {
    const std::string joined = std::string(option) + "=" + value;
    for (std::size_t i = 1; i < raw_.size(); ++i) {
        if (option.empty() && decoded_[i] == value) {
            return raw_[i];
        }
        if (!option.empty() && decoded_[i] == value && decoded_[i - 1] == option) {
            return raw_[i];
        }
        // The option's name is ASCII: it takes as many bytes raw as decoded.
        if (!option.empty() && decoded_[i] == joined && raw_[i].size() > option.size()) {
            return raw_[i].substr(option.size() + 1);
        }
    }
    return value;
}

}  // namespace tarn
