// Zoom ladder and the scroll arithmetic that keeps the pointer's spot still.
#include "editor/doc/CanvasZoom.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "support/ChipTable.h"

namespace tarn::editor {
namespace {

constexpr std::array<int, 13> kLadder = {1, 2, 3, 4, 5, 6, 8, 10, 12, 16, 20, 24, 32};

}  // namespace

int FitCellPixels(int viewportWidth, int viewportHeight) {
    const int fit = std::min(viewportWidth / kMapColumns, viewportHeight / kMapRows);
    return std::clamp(fit, kMinCellPixels, kMaxCellPixels);
}

int ZoomedIn(int cellPixels) {
    for (int step : kLadder) {
        if (step > cellPixels) {
            return step;
        }
    }
    return kMaxCellPixels;
}

int ZoomedOut(int cellPixels, int fit) {
    if (cellPixels <= fit) {
        return cellPixels;
    }
    int lower = kMinCellPixels;
    for (int step : kLadder) {
        if (step < cellPixels) {
            lower = step;
        }
    }
    return std::max(lower, fit);
}

int ScrollValuePlacing(double mapCells, int anchor, int cellPixels, int viewportSize,
                       int canvasSize) {
    const int value = int(std::lround(anchor - mapCells * cellPixels));
    return std::clamp(value, std::min(viewportSize - canvasSize, 0), 0);
}

}  // namespace tarn::editor
