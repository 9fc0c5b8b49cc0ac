// The enciphered container: hexadecimal-text operations used by the game and the editor,
// and byte-level forms of the same cipher for tools and fast loading.
#include "support/BinAngsDL.h"

#include <chrono>
#include <random>
#include <system_error>

#include "support/FileBytes.h"
#include "support/FileWords.h"
#include "support/UserText.h"

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

ContainerStatus FromFileStatus(FileStatus status) {
    switch (status) {
        case FileStatus::Ok:
            return ContainerStatus::Ok;
        case FileStatus::NotFound:
            return ContainerStatus::FileNotFound;
        case FileStatus::TooLarge:
            return ContainerStatus::TooLarge;
        case FileStatus::NotAFile:
            return ContainerStatus::NotAFile;
        case FileStatus::ReadFailed:
            return ContainerStatus::ReadFailed;
        case FileStatus::WriteFailed:
            return ContainerStatus::WriteFailed;
        case FileStatus::WriteProtected:
            return ContainerStatus::WriteProtected;
    }
    return ContainerStatus::ReadFailed;
}

// The file status behind a container status, for the statuses that are about the file.
std::optional<FileStatus> ToFileStatus(ContainerStatus status) {
    switch (status) {
        case ContainerStatus::FileNotFound:
            return FileStatus::NotFound;
        case ContainerStatus::ReadFailed:
            return FileStatus::ReadFailed;
        case ContainerStatus::WriteFailed:
            return FileStatus::WriteFailed;
        case ContainerStatus::TooLarge:
            return FileStatus::TooLarge;
        case ContainerStatus::NotAFile:
            return FileStatus::NotAFile;
        case ContainerStatus::WriteProtected:
            return FileStatus::WriteProtected;
        default:
            return std::nullopt;
    }
}

// Reads the whole file; yields before reading.
ContainerStatus ReadWholeFile(const BinAngsDL& container, const std::filesystem::path& path,
                              std::vector<std::uint8_t>& bytes, FileReason* why) {
    bytes.clear();
    // A missing file is told before the yield, as the container always did.
    std::error_code error;
    if (std::filesystem::status(path, error).type() == std::filesystem::file_type::not_found) {
        if (why != nullptr) {
            *why = FileReason{std::make_error_code(std::errc::no_such_file_or_directory), {}};
        }
        return ContainerStatus::FileNotFound;
    }
    Yield(container);
    const FileStatus status = ReadFileBytes(path, bytes, kMaxContainerFileBytes, why);
    if (status == FileStatus::Ok && bytes.empty()) {
        return ContainerStatus::EmptyFile;
    }
    return FromFileStatus(status);
}

ContainerStatus WriteWholeFile(const std::filesystem::path& path,
                               std::span<const std::uint8_t> bytes, FileReason* why) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return FromFileStatus(WriteFileAtomically(path, text, why));
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
        case ContainerStatus::NotAFile:
            return "not a regular file";
        case ContainerStatus::WriteProtected:
            return "read-only (no write permission); left as it was";
    }
    return "unknown error";
}

std::string Describe(ContainerStatus status, const FileReason& why) {
    if (status == ContainerStatus::TooLarge) {
        return Describe(status);
    }
    if (const auto file = ToFileStatus(status)) {
        return DescribeFile(*file, why);
    }
    return Describe(status);
}

std::string DescribeJa(ContainerStatus status, const FileReason& why) {
    switch (status) {
        case ContainerStatus::Ok:
            return "正常です";
        case ContainerStatus::TooLarge:
            return "ステージファイルとしては大きすぎます";
        case ContainerStatus::OddLength:
        case ContainerStatus::BadDigit:
        case ContainerStatus::EmptyText:
            return "書き込むデータが壊れています";
        case ContainerStatus::EmptyFile:
            return "空のファイルです";
        case ContainerStatus::TooShort:
            return "ステージファイルとしては短すぎます";
        default:
            break;
    }
    if (const auto file = ToFileStatus(status)) {
        return DescribeFileJa(*file, why);
    }
    return Describe(status);
}

ContainerStatus BinAngsDL::OpenBin(const std::filesystem::path& BFileName, std::string& hexText) {
    hexText.clear();
    std::vector<std::uint8_t> bytes;
    const ContainerStatus status = ReadWholeFile(*this, BFileName, bytes, nullptr);
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
    return WriteWholeFile(Bflename, bytes, nullptr);
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
        return UserMessage{"ファイルが見つかりません\r\n" + ShownPath(file), TitleName};
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
                                   std::vector<std::uint8_t>& plain, FileReason* why) {
    plain.clear();
    std::vector<std::uint8_t> stored;
    const ContainerStatus status = ReadWholeFile(container, path, stored, why);
    if (status != ContainerStatus::Ok) {
        return status;
    }
    return DecipherBytes(stored, plain);
}

ContainerStatus WriteEncipheredFile(const std::filesystem::path& path,
                                    std::span<const std::uint8_t> plain, FileReason* why) {
    if (plain.empty()) {
        return ContainerStatus::EmptyText;
    }
    std::mt19937 engine = FreshEngine();
    const int key = DrawKey(engine);
    const int noise = DrawNoise(engine);
    return WriteWholeFile(path, EncipherBytes(plain, noise, key), why);
}

}  // namespace tarn
