// Code page 932 <-> UTF-8 through iconv.
#include "support/Cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <string>

namespace tarn::cp932 {
namespace {

class Converter {
  public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (handle_ != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(handle_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Converts the whole input. An input position that does not convert is passed to
    // onFailure, which appends a replacement and says how many input bytes to skip
    // (0: give up).
    template <class OnFailure>
    bool Convert(std::string_view input, std::string& output, OnFailure onFailure) {
        if (!valid()) {
            return false;
        }
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char buffer[1024];
        while (inLeft > 0) {
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(handle_, &in, &inLeft, &out, &outLeft);
            output.append(buffer, std::size_t(out - buffer));
            if (result != static_cast<std::size_t>(-1)) {
                continue;
            }
            if (errno == E2BIG) {
                continue;
            }
            const std::size_t skip = onFailure(std::string_view(in, inLeft), output);
            if (skip == 0 || skip > inLeft) {
                return false;
            }
            in += skip;
            inLeft -= skip;
            iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        }
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        iconv(handle_, nullptr, nullptr, &out, &outLeft);
        output.append(buffer, std::size_t(out - buffer));
        return true;
    }

  private:
    iconv_t handle_;
};

std::size_t Utf8SequenceLength(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest.front());
    std::size_t length = 1;
    if (lead >= 0xF0) {
        length = 4;
    } else if (lead >= 0xE0) {
        length = 3;
    } else if (lead >= 0xC0) {
        length = 2;
    }
    std::size_t valid = 1;
    while (valid < length && valid < rest.size() &&
           (static_cast<unsigned char>(rest[valid]) & 0xC0) == 0x80) {
        ++valid;
    }
    return valid;
}

// Opening a converter costs more than most conversions, so each thread keeps one.
Converter& ToUtf8Converter() {
    thread_local Converter converter("UTF-8", "CP932");
    return converter;
}

Converter& FromUtf8Converter() {
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

}  // namespace

std::string ToUtf8(std::string_view text) {
    std::string output;
    output.reserve(text.size());
    Converter& converter = ToUtf8Converter();
    const bool done = converter.Convert(text, output, [](std::string_view, std::string& out) {
        out += "\xEF\xBF\xBD";
        return std::size_t{1};
    });
    if (!done) {
        return std::string(text);
    }
    return output;
}

std::string FromUtf8(std::string_view text) {
    std::string output;
    output.reserve(text.size());
    Converter& converter = FromUtf8Converter();
    const bool done = converter.Convert(text, output, [](std::string_view rest, std::string& out) {
        out += '?';
        return Utf8SequenceLength(rest);
    });
    if (!done) {
        return std::string(text);
    }
    return output;
}

std::optional<std::string> ToUtf8Strict(std::string_view text) {
    std::string output;
    Converter& converter = ToUtf8Converter();
    if (!converter.Convert(text, output,
                           [](std::string_view, std::string&) { return std::size_t{0}; })) {
        return std::nullopt;
    }
    return output;
}

std::optional<std::string> FromUtf8Strict(std::string_view text) {
    std::string output;
    Converter& converter = FromUtf8Converter();
    if (!converter.Convert(text, output,
                           [](std::string_view, std::string&) { return std::size_t{0}; })) {
        return std::nullopt;
    }
    return output;
}

std::vector<std::string> UnconvertibleCharacters(std::string_view utf8) {
    std::vector<std::string> found;
    while (!utf8.empty()) {
        const bool ascii = static_cast<unsigned char>(utf8.front()) < 0x80;
        const std::size_t length = ascii ? 1 : Utf8SequenceLength(utf8);
        const std::string character(utf8.substr(0, length));
        utf8.remove_prefix(length);
        if (!ascii && !FromUtf8Strict(character) &&
            std::find(found.begin(), found.end(), character) == found.end()) {
            found.push_back(character);
        }
    }
    return found;
}

}  // namespace tarn::cp932
