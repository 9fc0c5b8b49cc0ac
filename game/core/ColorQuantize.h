// The display's colour depth: a 16-bit mode shows RGB565 colours, an 8-bit mode a fixed
// palette of 256 colours. The view is converted before it is shown, so the picture looks
// as it would in that display mode.
#pragma once

#include <cstdint>

#include "support/Surface.h"

namespace tarn::game {

// The colour a 16-bit (RGB565) display shows for a colour.
constexpr std::uint32_t ToRgb565(std::uint32_t c) {
    const std::uint32_t r = (c >> 19) & 0x1F, g = (c >> 10) & 0x3F, b = (c >> 3) & 0x1F;
    return Rgb(int((r << 3) | (r >> 2)), int((g << 2) | (g >> 4)), int((b << 3) | (b >> 2)));
}

// The nearest colour of the fixed 8-bit palette: 6 levels of red and blue, 7 of green
// (252 colours) and 4 greys.
std::uint32_t ToPalette8(std::uint32_t color);

// Copies src to dst as a display of the given depth shows it (8: palette, 16: RGB565,
// anything else: unchanged).
void QuantizeToDepth(const Surface& src, Surface& dst, int depth);

// Stretches the 320 x 240 area at (x, y) of src to 640 x 480 into view, and the same as
// the display of that depth shows it into presented, in one pass.
void StretchViewAndQuantize(const Surface& src, int x, int y, Surface& view, Surface& presented,
                            int depth);

}  // namespace tarn::game
