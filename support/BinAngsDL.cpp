// The enciphered container: hexadecimal-text operations used by the game and the editor,
// and byte-level forms of the same cipher for tools and fast loading.
#include "support/BinAngsDL.h"

#include <chrono>
#include <random>
#include <system_error>

#include "support/FileBytes.h"

namespace tarn {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Value of one hexadecimal digit (either case), or -1.
int DigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

std::uint8_t RotateNibbles(std::uint8_t byte, int shift) {
    const int high = ((byte >> 4) + shift) & 0xF;
    const int low = ((byte & 0xF) + shift) & 0xF;
    return static_cast<std::uint8_t>((high << 4) | low);
}

// A generator reseeded on every draw, as the cipher asks for fresh randomness per file.
std::mt19937 FreshEngine() {
    std::random_device device;
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    std::seed_seq seed{device(), device(), static_cast<unsigned>(ticks),
                       static_cast<unsigned>(static_cast<unsigned long long>(ticks) >> 32)};
    return std::mt19937(seed);
}

int DrawKey(std::mt19937& engine) {
    return std::uniform_int_distribution<int>(1, 14)(engine);
}
int DrawNoise(std::mt19937& engine) {
    return std::uniform_int_distribution<int>(1, 15)(engine);
}

void Yield(const BinAngsDL& container) {
    if (container.yieldToWindowSystem) {
        container.yieldToWindowSystem();
    }
}

// Reads the whole file; yields before reading.
ContainerStatus ReadWholeFile(const BinAngsDL& container, const std::filesystem::path& path,
                              std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return ContainerStatus::FileNotFound;
    }
    Yield(container);
    switch (ReadFileBytes(path, bytes, kMaxContainerFileBytes)) {
        case FileStatus::Ok:
            return bytes.empty() ? ContainerStatus::EmptyFile : ContainerStatus::Ok;
        case FileStatus::NotFound:
            return ContainerStatus::FileNotFound;
        case FileStatus::TooLarge:
            return ContainerStatus::TooLarge;
        case FileStatus::NotAFile:
        case FileStatus::ReadFailed:
        case FileStatus::WriteFailed:
            break;
    }
    return ContainerStatus::ReadFailed;
}

ContainerStatus WriteWholeFile(const std::filesystem::path& path,
                               std::span<const std::uint8_t> bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return WriteFileAtomically(path, text) == FileStatus::Ok ? ContainerStatus::Ok
                                                             : ContainerStatus::WriteFailed;
}

}  // namespace

const char* Describe(ContainerStatus status) {
    switch (status) {
        case ContainerStatus::Ok:
            return "ok";
        case ContainerStatus::FileNotFound:
            return "file not found";
        case ContainerStatus::ReadFailed:
            return "file could not be read";
        case ContainerStatus::WriteFailed:
            return "file could not be written";
        case ContainerStatus::OddLength:
            return "hexadecimal text of odd length";
        case ContainerStatus::EmptyFile:
            return "empty file";
        case ContainerStatus::EmptyText:
            return "empty hexadecimal text";
        case ContainerStatus::TooShort:
            return "enciphered data too short";
        case ContainerStatus::BadDigit:
            return "character that is no hexadecimal digit";
        case ContainerStatus::TooLarge:
            return "file too large for a stage file";
    }
    return "unknown error";
}

ContainerStatus BinAngsDL::OpenBin(const std::filesystem::path& BFileName, std::string& hexText) {
    hexText.clear();
    std::vector<std::uint8_t> bytes;
    const ContainerStatus status = ReadWholeFile(*this, BFileName, bytes);
    if (status != ContainerStatus::Ok) {
        return status;
    }
    hexText.reserve(bytes.size() * 2);
    for (const std::uint8_t byte : bytes) {
        hexText += BinToHex2(byte);
    }
    return ContainerStatus::Ok;
}

std::string BinAngsDL::BinToHex2(std::uint8_t BinData) {
    return {kHexDigits[BinData >> 4], kHexDigits[BinData & 0xF]};
}

ContainerStatus BinAngsDL::SaveBin(const std::filesystem::path& Bflename, std::string_view Texts) {
    if (Texts.size() % 2 != 0) {
        return ContainerStatus::OddLength;
    }
    if (Texts.empty()) {
        return ContainerStatus::EmptyText;
    }
    std::vector<std::uint8_t> bytes(Texts.size() / 2);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const int high = DigitValue(Texts[2 * i]);
        const int low = DigitValue(Texts[2 * i + 1]);
        if (high < 0 || low < 0) {
            return ContainerStatus::BadDigit;
        }
        bytes[i] = static_cast<std::uint8_t>((high << 4) | low);
    }
    return WriteWholeFile(Bflename, bytes);
}

ContainerStatus BinAngsDL::Angs(std::string_view Texts, std::string& enciphered) {
    std::mt19937 engine = FreshEngine();
    const int key = DrawKey(engine);
    Yield(*this);
    const int noise = DrawNoise(engine);
    return AngsWith(Texts, noise, key, enciphered);
}

std::optional<UserMessage> BinAngsDL::MessageFor(ContainerStatus status,
                                                 const std::filesystem::path& file) const {
    if (status == ContainerStatus::FileNotFound) {
        return UserMessage{"ファイルが見つかりません\r\n" + file.string(), TitleName};
    }
    if (status == ContainerStatus::OddLength) {
        return UserMessage{"KVXﾊﾞｲﾅﾘｻｰﾊﾞｰ ｴﾗｰ", TitleName + "-ｴﾗｰ"};
    }
    return std::nullopt;
}

ContainerStatus BinAngsDL::AngsWith(std::string_view Texts, int noise, int key,
                                    std::string& enciphered) {
    enciphered.clear();
    std::string result;
    result.reserve(Texts.size() + 2);
    result += kHexDigits[noise & 0xF];
    result += kHexDigits[key & 0xF];
    for (const char c : Texts) {
        const int digit = DigitValue(c);
        if (digit < 0) {
            return ContainerStatus::BadDigit;
        }
        result += kHexDigits[(digit + key + 1) & 0xF];
    }
    enciphered = std::move(result);
    return ContainerStatus::Ok;
}

ContainerStatus BinAngsDL::Hukgs(std::string_view Texts, std::string& deciphered) {
    deciphered.clear();
    if (Texts.size() < 2) {
        return ContainerStatus::TooShort;
    }
    const int key = DigitValue(Texts[1]);
    if (key < 0) {
        return ContainerStatus::BadDigit;
    }
    std::string result;
    result.reserve(Texts.size() - 2);
    for (const char c : Texts.substr(2)) {
        const int digit = DigitValue(c);
        if (digit < 0) {
            return ContainerStatus::BadDigit;
        }
        result += kHexDigits[(digit - key - 1 + 32) & 0xF];
    }
    deciphered = std::move(result);
    return ContainerStatus::Ok;
}

std::vector<std::uint8_t> EncipherBytes(std::span<const std::uint8_t> plain, int noise, int key) {
    std::vector<std::uint8_t> stored;
    stored.reserve(plain.size() + 1);
    stored.push_back(static_cast<std::uint8_t>(((noise & 0xF) << 4) | (key & 0xF)));
    const int shift = (key + 1) & 0xF;
    for (const std::uint8_t byte : plain) {
        stored.push_back(RotateNibbles(byte, shift));
    }
    return stored;
}

ContainerStatus DecipherBytes(std::span<const std::uint8_t> stored,
                              std::vector<std::uint8_t>& plain) {
    plain.clear();
    if (stored.empty()) {
        return ContainerStatus::TooShort;
    }
    const int shift = (16 - (((stored[0] & 0xF) + 1) & 0xF)) & 0xF;
    plain.reserve(stored.size() - 1);
    for (const std::uint8_t byte : stored.subspan(1)) {
        plain.push_back(RotateNibbles(byte, shift));
    }
    return ContainerStatus::Ok;
}

ContainerStatus ReadEncipheredFile(BinAngsDL& container, const std::filesystem::path& path,
                                   std::vector<std::uint8_t>& plain) {
    plain.clear();
    std::vector<std::uint8_t> stored;
    const ContainerStatus status = ReadWholeFile(container, path, stored);
    if (status != ContainerStatus::Ok) {
        return status;
    }
    return DecipherBytes(stored, plain);
}

ContainerStatus WriteEncipheredFile(const std::filesystem::path& path,
                                    std::span<const std::uint8_t> plain) {
    if (plain.empty()) {
        return ContainerStatus::EmptyText;
    }
    std::mt19937 engine = FreshEngine();
    const int key = DrawKey(engine);
    const int noise = DrawNoise(engine);
    return WriteWholeFile(path, EncipherBytes(plain, noise, key));
}

}  // namespace tarn
