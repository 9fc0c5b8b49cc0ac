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

int ScrollValueKeeping(int value, int anchor, int oldCellPixels, int newCellPixels,
                       int viewportSize, int newCanvasSize) {
    // The canvas pixel under the anchor, carried to the new size.
    const double canvasPixel = double(anchor - value) * newCellPixels / oldCellPixels;
    const int kept = int(std::lround(anchor - canvasPixel));
    return std::clamp(kept, std::min(viewportSize - newCanvasSize, 0), 0);
}

}  // namespace tarn::editor
