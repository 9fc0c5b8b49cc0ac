// Canvas addressing, label texts and layout arithmetic.
#include "editor/doc/CanvasRules.h"

#include <algorithm>
#include <cstdint>

#include "support/StageText.h"

namespace tarn::editor {

const std::array<std::string_view, 4>& DrawModeTexts() {
    static constexpr std::array<std::string_view, 4> kTexts = {"通常", "範囲選択モード", "矩形選択",
                                                               "塗りつぶし"};
    return kTexts;
}

int RoundPixel(double position) {
    return RoundHalfEven(position);
}

int CellIndex(double position, int cellPixels) {
    return RoundPixel(position) / cellPixels;
}

std::string CursorCellText(int column, int row) {
    return "X:" + std::to_string(column + 1) + "  Y:" + std::to_string(row + 1);
}

std::string HoverText(int code) {
    const ChipInfo* info = FindChip(code);
    if (info == nullptr || info->chip == Chip::Empty) {
        return std::string(kUndefinedText);
    }
    return std::string(info->paletteText);
}

Band BandFromDrag(double anchorX, double anchorY, double x, double y) {
    x = std::max(x, 0.0);
    y = std::max(y, 0.0);
    Band band;
    if (x >= anchorX) {
        band.left = anchorX;
        band.width = x - anchorX;
    } else {
        band.left = x;
        band.width = anchorX - x;
    }
    if (y >= anchorY) {
        band.top = anchorY;
        band.height = y - anchorY;
    } else {
        band.top = y;
        band.height = anchorY - y;
    }
    return band;
}

CellRange BandCells(const Band& band, int cellPixels) {
    CellRange range;
    range.firstColumn = RoundPixel(band.left) / cellPixels;
    range.firstRow = RoundPixel(band.top) / cellPixels;
    range.lastColumn = RoundPixel(band.left + band.width) / cellPixels;
    range.lastRow = RoundPixel(band.top + band.height) / cellPixels;
    return range;
}

std::string BandSizeText(const Band& band, int cellPixels) {
    return RangeSizeText(BandCells(band, cellPixels));
}

std::string RangeSizeText(const CellRange& range) {
    const int columns = range.lastColumn - range.firstColumn + 1;
    const int rows = range.lastRow - range.firstRow + 1;
    return "横幅： " + std::to_string(columns) + "　縦幅： " + std::to_string(rows);
}

namespace {

int ToInt16(int value) {
    return std::clamp(value, int(INT16_MIN), int(INT16_MAX));
}

}  // namespace

CanvasLayout ComputeLayout(int clientWidth, int clientHeight) {
    CanvasLayout layout;
    layout.viewport = {4, 136, clientWidth - 17, clientHeight - 30 - 136};
    layout.verticalBar = {layout.viewport.width + 4, layout.viewport.y, 17, layout.viewport.height};
    layout.horizontalBar = {layout.viewport.x, layout.viewport.y + layout.viewport.height,
                            layout.viewport.width, 17};
    layout.cursorLabelTop = layout.horizontalBar.y + 17;
    layout.verticalMaximum = ToInt16(layout.viewport.height - kCanvasHeight);
    layout.horizontalMaximum = ToInt16(layout.viewport.width - kCanvasWidth);
    return layout;
}

ClientSize DefaultClientSize(int roomWidth, int roomHeight) {
    const CanvasLayout classic = ComputeLayout(kClassicClientWidth, kClassicClientHeight);
    const int wholeWidth = kClassicClientWidth - classic.viewport.width + kCanvasWidth;
    const int wholeHeight = kClassicClientHeight - classic.viewport.height + kCanvasHeight;
    return {std::clamp(roomWidth, kClassicClientWidth, wholeWidth),
            std::clamp(roomHeight, kClassicClientHeight, wholeHeight)};
}

int ScrollValueShowing(int cellPixel, int viewportSize, int canvasSize) {
    if (viewportSize >= canvasSize || cellPixel + kCellPixels <= viewportSize) {
        return 0;
    }
    const int offset = std::clamp(cellPixel - viewportSize / 3, 0, canvasSize - viewportSize);
    return -offset;
}

SnapSize SnapWindow(int clientWidth, int clientHeight) {
    SnapSize snap;
    if (clientWidth < 440) {
        snap.width = 440;
    }
    if (clientHeight < 240) {
        snap.height = 440;
    }
    return snap;
}

}  // namespace tarn::editor
