// Save targets. Any file deciphers to something, so a stage is told by what the bytes
// decipher to: stage text has no control characters but line ends and tabs.
#include "editor/doc/SaveTargets.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <system_error>
#include <vector>

#include "editor/doc/StageDocument.h"
#include "support/BinAngsDL.h"
#include "support/StageText.h"

namespace tarn::editor {
namespace {

constexpr std::array<std::string_view, 3> kKnownExtensions = {kStageExtension, kBitmapExtension,
                                                              kPdfExtension};

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) {
        return false;
    }
    const std::string_view tail = text.substr(text.size() - suffix.size());
    return std::equal(tail.begin(), tail.end(), suffix.begin(),
                      [](char a, char b) { return Lower(a) == Lower(b); });
}

bool LooksLikeStageText(const std::vector<std::uint8_t>& plain) {
    const bool textOnly = std::all_of(plain.begin(), plain.end(), [](std::uint8_t c) {
        return c >= 0x20 || c == '\r' || c == '\n' || c == '\t';
    });
    if (!textOnly) {
        return false;
    }
    const std::string_view text(reinterpret_cast<const char*>(plain.data()), plain.size());
    return static_cast<int>(SplitStageLines(text).lines.size()) >= kFirstRowLine - 1;
}

// "BM", then at offset 14 the size of one of the BMP information headers.
bool HasBitmapHeader(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::array<unsigned char, 18> header{};
    if (!in.read(reinterpret_cast<char*>(header.data()), header.size())) {
        return false;
    }
    if (header[0] != 'B' || header[1] != 'M') {
        return false;
    }
    const std::uint32_t infoSize =
        header[14] | (header[15] << 8) | (header[16] << 16) | (std::uint32_t{header[17]} << 24);
    constexpr std::array<std::uint32_t, 6> kInfoSizes = {12, 40, 52, 56, 108, 124};
    return std::find(kInfoSizes.begin(), kInfoSizes.end(), infoSize) != kInfoSizes.end();
}

std::string Shown(const std::string& path) {
    return "\n" + path;
}

}  // namespace

FileKind IdentifyFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        return FileKind::Missing;
    }
    if (!std::filesystem::is_regular_file(path, ec)) {
        return FileKind::Other;
    }
    BinAngsDL container;
    std::vector<std::uint8_t> plain;
    if (ReadEncipheredFile(container, path, plain) == ContainerStatus::Ok &&
        LooksLikeStageText(plain)) {
        return FileKind::Stage;
    }
    return HasBitmapHeader(path) ? FileKind::Bitmap : FileKind::Other;
}

std::string WithExtension(std::string_view name, std::string_view extension) {
    if (name.empty()) {
        return {};
    }
    for (std::string_view known : kKnownExtensions) {
        // A bare ".tr2" is a name of its own, not an extension.
        if (name.size() > known.size() && name[name.size() - known.size() - 1] != '/' &&
            EndsWithIgnoringCase(name, known)) {
            name.remove_suffix(known.size());
            break;
        }
    }
    return std::string(name) + std::string(extension);
}

std::optional<std::string> ExportTargetProblem(const std::string& path, std::string_view what,
                                               std::string_view extension) {
    const std::string kind(what);
    if (EndsWithIgnoringCase(path, kStageExtension)) {
        return kind + "は .tr2 の名前では保存しません（.tr2 はステージファイルの名前です）。\n" +
               std::string(extension) + " の名前を付けてください。" + Shown(path);
    }
    if (IdentifyFile(PathFromBytes(path)) == FileKind::Stage) {
        return "このファイルはステージファイルです。" + kind +
               "で上書きするとステージが失われるため、保存しませんでした。\n別の名前を付けてく"
               "ださい。" +
               Shown(path);
    }
    return std::nullopt;
}

std::optional<std::string> StageTargetProblem(const std::string& path) {
    if (EndsWithIgnoringCase(path, kBitmapExtension)) {
        return "ステージは .bmp の名前では保存しません（.bmp はビットマップの名前です）。"
               "\n.tr2 の名前を付けてください。" +
               Shown(path);
    }
    if (IdentifyFile(PathFromBytes(path)) == FileKind::Bitmap) {
        return "このファイルはビットマップ画像です。ステージで上書きすると画像が失われるため、"
               "保存しませんでした。\n別の名前を付けてください。" +
               Shown(path);
    }
    return std::nullopt;
}

}  // namespace tarn::editor
