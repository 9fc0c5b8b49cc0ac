// The enciphered container that stage files are stored in. Files travel as upper-case
// hexadecimal text (two digits per byte); the cipher shifts each digit by key + 1.
//
// On disk an enciphered file is one byte longer than its plain form: byte 0 holds the
// noise (high nibble, 1..15) and the key k (low nibble, 1..14); every following byte is
// a plain byte with each nibble rotated upwards by k + 1.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "support/FileBytes.h"
#include "support/UserMessage.h"

namespace tarn {

enum class [[nodiscard]] ContainerStatus{
    Ok,
    FileNotFound,    // the input file does not exist (the container has a message for it)
    ReadFailed,      // the input file exists but could not be read
    WriteFailed,     // the output file could not be written
    OddLength,       // hexadecimal text of odd length (the container has a message for it)
    EmptyFile,       // the input file holds no bytes
    EmptyText,       // empty hexadecimal text where bytes were expected
    TooShort,        // enciphered text shorter than its two leading digits
    BadDigit,        // a character that is no hexadecimal digit
    TooLarge,        // the input file is larger than any stage file can be
    NotAFile,        // the name is a folder, a pipe or a device, not a file
    WriteProtected,  // the output file is read-only for this user and was left as it was
};

// Files above this size are refused unread: a stage file is about 12 KB.
inline constexpr std::uintmax_t kMaxContainerFileBytes = std::uintmax_t{64} << 20;

// A short English description, for command-line tools and logs.
const char* Describe(ContainerStatus status);
// The same with the system's reason where the file itself failed ("Permission denied",
// "not a regular file but a folder"), in English and in Japanese.
std::string Describe(ContainerStatus status, const FileReason& why);
std::string DescribeJa(ContainerStatus status, const FileReason& why);

class BinAngsDL {
  public:
    // Title of every message the container has for its user.
    std::string TitleName;
    // The owner's "let pending window events run" step; the container calls it once in
    // OpenBin and in Angs. Empty: nothing runs.
    std::function<void()> yieldToWindowSystem;

    // Reads the whole file as hexadecimal text. A missing file gives FileNotFound, an
    // empty file EmptyFile, one above kMaxContainerFileBytes TooLarge, a folder or a pipe
    // NotAFile. Yields once to the window system before reading.
    ContainerStatus OpenBin(const std::filesystem::path& BFileName, std::string& hexText);

    static std::string BinToHex2(std::uint8_t BinData);

    // Writes the bytes of the hexadecimal text, replacing any older file completely (a
    // failed write leaves the older file as it was). Odd-length text gives OddLength and
    // writes nothing; empty text writes nothing.
    ContainerStatus SaveBin(const std::filesystem::path& Bflename, std::string_view Texts);

    // The container's own message for a status, which its owner shows the user: for a
    // missing file "ファイルが見つかりません", CR LF and the path, titled TitleName; for
    // odd-length text "KVXﾊﾞｲﾅﾘｻｰﾊﾞｰ ｴﾗｰ", titled TitleName and "-ｴﾗｰ". Every other status
    // has none: its caller words it.
    std::optional<UserMessage> MessageFor(ContainerStatus status,
                                          const std::filesystem::path& file) const;

    // Enciphers hexadecimal text with a freshly drawn key (1..14) and noise (1..15).
    ContainerStatus Angs(std::string_view Texts, std::string& enciphered);
    // The same with the key and noise given, for tools and tests.
    static ContainerStatus AngsWith(std::string_view Texts, int noise, int key,
                                    std::string& enciphered);

    // Deciphers: the second digit is the key; the first two digits are dropped.
    static ContainerStatus Hukgs(std::string_view Texts, std::string& deciphered);
};

// Byte-level forms of the same cipher, bit-exact with the hexadecimal ones.
std::vector<std::uint8_t> EncipherBytes(std::span<const std::uint8_t> plain, int noise, int key);
ContainerStatus DecipherBytes(std::span<const std::uint8_t> stored,
                              std::vector<std::uint8_t>& plain);

// Reads an enciphered file and returns its plain bytes, yielding as OpenBin does. `why`
// receives the system's reason when the file itself failed.
ContainerStatus ReadEncipheredFile(BinAngsDL& container, const std::filesystem::path& path,
                                   std::vector<std::uint8_t>& plain, FileReason* why = nullptr);

// Enciphers plain bytes with a fresh key and replaces the file with them atomically (see
// WriteFileAtomically), so the target never holds a plain or partial file. A replaced file
// keeps its permissions; a read-only one is left as it was (WriteProtected).
ContainerStatus WriteEncipheredFile(const std::filesystem::path& path,
                                    std::span<const std::uint8_t> plain, FileReason* why = nullptr);

}  // namespace tarn
