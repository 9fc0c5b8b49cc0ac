// Writing and reading the recovery text. Values are escaped so a text holding a line
// break or a backslash comes back unchanged.
#include "editor/doc/RecoveryText.h"

#include <array>
#include <charconv>
#include <utility>
#include <vector>

namespace tarn::editor {
namespace {

constexpr std::string_view kHeader = "Gridsmith recovery 1";
constexpr std::string_view kMapMarker = "map";
constexpr std::size_t kTextFieldCount = 8;

std::string Escaped(std::string_view value) {
    std::string out;
    for (char c : value) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::optional<std::string> Unescaped(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            out += value[i];
            continue;
        }
        if (++i == value.size()) {
            return std::nullopt;
        }
        switch (value[i]) {
            case '\\':
                out += '\\';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            default:
                return std::nullopt;
        }
    }
    return out;
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return lines;
}

// The text fields in the order they are written.
std::array<std::pair<std::string_view, std::string*>, kTextFieldCount> TextFields(
    RecoveredStage& stage, std::string& column) {
    StageProperties& p = stage.properties;
    return {{{"file", &stage.file},
             {"Text1", &p.Text1},
             {"Text2", &p.Text2},
             {"STX", &column},
             {"STYText", &p.STYText},
             {"Times", &p.Times},
             {"Text3", &p.Text3},
             {"Text4", &p.Text4}}};
}

int CodeOf(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'Z') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

std::string WriteRecoveryText(const StageDocument& doc) {
    RecoveredStage stage{doc.CurrentFile, doc.properties, {}};
    std::string column = std::to_string(doc.properties.STX);
    std::string text(kHeader);
    text += '\n';
    for (const auto& [key, value] : TextFields(stage, column)) {
        text += std::string(key) + "=" + Escaped(*value) + "\n";
    }
    text += kMapMarker;
    text += '\n';
    for (const auto& row : doc.EditMap) {
        for (std::uint8_t code : row) {
            text += SHex(code);
        }
        text += '\n';
    }
    return text;
}

std::optional<RecoveredStage> ReadRecoveryText(std::string_view text) {
    const std::vector<std::string_view> lines = Lines(text);
    constexpr std::size_t kFieldLines = kTextFieldCount;
    if (lines.size() != 2 + kFieldLines + kMapRows || lines[0] != kHeader ||
        lines[1 + kFieldLines] != kMapMarker) {
        return std::nullopt;
    }
    RecoveredStage stage;
    std::string column;
    const auto all = TextFields(stage, column);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const std::string_view line = lines[1 + i];
        const std::string_view key = all[i].first;
        if (line.substr(0, key.size()) != key || line.size() <= key.size() ||
            line[key.size()] != '=') {
            return std::nullopt;
        }
        auto value = Unescaped(line.substr(key.size() + 1));
        if (!value) {
            return std::nullopt;
        }
        *all[i].second = std::move(*value);
    }
    const auto [end, error] =
        std::from_chars(column.data(), column.data() + column.size(), stage.properties.STX);
    if (error != std::errc() || end != column.data() + column.size() || stage.properties.STX < 0 ||
        stage.properties.STX >= kStartColumnCount) {
        return std::nullopt;
    }
    for (int row = 0; row < kMapRows; ++row) {
        const std::string_view cells = lines[2 + kFieldLines + row];
        if (cells.size() != kMapColumns) {
            return std::nullopt;
        }
        for (int col = 0; col < kMapColumns; ++col) {
            const int code = CodeOf(cells[col]);
            if (code < 0 || code > kHighestChipCode) {
                return std::nullopt;
            }
            stage.map[row][col] = static_cast<std::uint8_t>(code);
        }
    }
    return stage;
}

void Restore(StageDocument& doc, const RecoveredStage& stage) {
    doc.EditMap = stage.map;
    doc.properties = stage.properties;
    doc.CurrentFile = stage.file;
    doc.SetModified(true);
}

}  // namespace tarn::editor
