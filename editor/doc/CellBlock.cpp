// Clipboard blocks, connected areas and the first view.
#include "editor/doc/CellBlock.h"

#include <algorithm>

#include "editor/doc/StageDocument.h"

namespace tarn::editor {
namespace {

char CellCharacter(int code) {
    if (code >= 0 && code <= 9) {
        return char('0' + code);
    }
    if (code >= 10 && code < kChipCodeCount) {
        return char('A' + code - 10);
    }
    return '0';  // end markers of short rows read as empty cells
}

std::optional<int> CharacterCode(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c < char('A' + kChipCodeCount - 10)) {
        return c - 'A' + 10;
    }
    return std::nullopt;
}

std::string_view Trimmed(std::string_view line) {
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = line.find_last_not_of(" \t");
    return line.substr(first, last - first + 1);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n' || text[i] == '\r') {
            lines.push_back(Trimmed(text.substr(start, i - start)));
            if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    while (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    const auto firstFilled =
        std::find_if(lines.begin(), lines.end(), [](std::string_view l) { return !l.empty(); });
    lines.erase(lines.begin(), firstFilled);
    return lines;
}

// The view's first map pixel along one axis, as the game places it.
int FirstViewPixel(int startCell, int viewPixels, int mapPixels) {
    return std::clamp(startCell * kChipSize - viewPixels / 2, 0, mapPixels - viewPixels);
}

}  // namespace

std::optional<CellRange> ClipToMap(const CellRange& range) {
    CellRange clipped;
    clipped.firstColumn = std::max(std::min(range.firstColumn, range.lastColumn), 0);
    clipped.firstRow = std::max(std::min(range.firstRow, range.lastRow), 0);
    clipped.lastColumn = std::min(std::max(range.firstColumn, range.lastColumn), kMapColumns - 1);
    clipped.lastRow = std::min(std::max(range.firstRow, range.lastRow), kMapRows - 1);
    if (clipped.firstColumn > clipped.lastColumn || clipped.firstRow > clipped.lastRow) {
        return std::nullopt;
    }
    return clipped;
}

CellBlock CopyBlock(const StageDocument& doc, const CellRange& range) {
    CellBlock block;
    block.columns = range.lastColumn - range.firstColumn + 1;
    block.rows = range.lastRow - range.firstRow + 1;
    block.codes.reserve(std::size_t(block.columns * block.rows));
    for (int row = range.firstRow; row <= range.lastRow; ++row) {
        for (int column = range.firstColumn; column <= range.lastColumn; ++column) {
            block.codes.push_back(doc.Cell(column, row));
        }
    }
    return block;
}

std::string BlockText(const CellBlock& block) {
    std::string text;
    text.reserve(std::size_t((block.columns + 1) * block.rows));
    for (int row = 0; row < block.rows; ++row) {
        if (row > 0) {
            text += '\n';
        }
        for (int column = 0; column < block.columns; ++column) {
            text += CellCharacter(block.At(column, row));
        }
    }
    return text;
}

std::optional<CellBlock> ParseBlockText(std::string_view text) {
    const std::vector<std::string_view> lines = SplitLines(text);
    if (lines.empty() || int(lines.size()) > kMapRows) {
        return std::nullopt;
    }
    CellBlock block;
    block.rows = int(lines.size());
    for (std::string_view line : lines) {
        block.columns = std::max(block.columns, int(line.size()));
    }
    if (block.columns == 0 || block.columns > kMapColumns) {
        return std::nullopt;
    }
    block.codes.assign(std::size_t(block.columns * block.rows), CellBlock::kNoCell);
    for (int row = 0; row < block.rows; ++row) {
        const std::string_view line = lines[std::size_t(row)];
        for (int column = 0; column < int(line.size()); ++column) {
            const auto code = CharacterCode(line[std::size_t(column)]);
            if (!code) {
                return std::nullopt;
            }
            block.codes[std::size_t(row * block.columns + column)] = *code;
        }
    }
    return block;
}

std::vector<std::pair<int, int>> ConnectedEqualCells(const StageDocument& doc, int column,
                                                     int row) {
    std::vector<std::pair<int, int>> cells;
    if (!InsideMap(column, row)) {
        return cells;
    }
    const int code = doc.Cell(column, row);
    std::vector<bool> seen(std::size_t(kMapColumns * kMapRows), false);
    auto visit = [&](int c, int r) {
        if (InsideMap(c, r) && !seen[std::size_t(r * kMapColumns + c)] && doc.Cell(c, r) == code) {
            seen[std::size_t(r * kMapColumns + c)] = true;
            cells.emplace_back(c, r);
        }
    };
    visit(column, row);
    for (std::size_t next = 0; next < cells.size(); ++next) {
        const auto [c, r] = cells[next];
        visit(c + 1, r);
        visit(c - 1, r);
        visit(c, r + 1);
        visit(c, r - 1);
    }
    return cells;
}

Rect FirstViewPixels(int startColumn, int startRow) {
    constexpr int kViewSpanX = 320;  // the game stretches this twice to its 640 x 480 view
    constexpr int kViewSpanY = 240;
    return Rect{FirstViewPixel(startColumn, kViewSpanX, kMapWidth),
                FirstViewPixel(startRow, kViewSpanY, kMapHeight), kViewSpanX, kViewSpanY};
}

}  // namespace tarn::editor
