// Colour conversion for the 8- and 16-bit display modes, through lookup tables.
#include "game/core/ColorQuantize.h"

#include <array>
#include <cstdlib>
#include <vector>

#include "game/core/ViewGeometry.h"

namespace tarn::game {

namespace {

constexpr int kRedLevels = 6, kGreenLevels = 7, kBlueLevels = 6;
constexpr std::array<int, 4> kGreys = {32, 96, 160, 224};

int Level(int value, int levels) {
    return (value * (levels - 1) + 127) / 255;
}
int LevelValue(int level, int levels) {
    return level * 255 / (levels - 1);
}

// The palette: the colours of the levels, red slowest and blue fastest, then the greys.
std::uint32_t PaletteColor(int index) {
    const int levels = kRedLevels * kGreenLevels * kBlueLevels;
    if (index >= levels) {
        const int grey = kGreys[std::size_t(index - levels)];
        return Rgb(grey, grey, grey);
    }
    return Rgb(LevelValue(index / (kGreenLevels * kBlueLevels), kRedLevels),
               LevelValue(index / kBlueLevels % kGreenLevels, kGreenLevels),
               LevelValue(index % kBlueLevels, kBlueLevels));
}

int NearestPaletteIndex(int r, int g, int b) {
    const int lr = Level(r, kRedLevels), lg = Level(g, kGreenLevels), lb = Level(b, kBlueLevels);
    int best = (lr * kGreenLevels + lg) * kBlueLevels + lb;
    auto distance = [&](int index) {
        const std::uint32_t c = PaletteColor(index);
        const int dr = int((c >> 16) & 0xFF) - r, dg = int((c >> 8) & 0xFF) - g,
                  db = int(c & 0xFF) - b;
        return dr * dr + dg * dg + db * db;
    };
    const int levels = kRedLevels * kGreenLevels * kBlueLevels;
    for (int grey = levels; grey < levels + int(kGreys.size()); ++grey) {
        if (distance(grey) < distance(best)) {
            best = grey;
        }
    }
    return best;
}

// The 8-bit palette's colours, and for every colour's top 5 bits of each channel the
// number of its nearest palette colour: 32 KiB of numbers and 1 KiB of colours stay in the
// processor's first-level cache, where a table of the colours themselves would not.
struct PaletteTables {
    std::array<std::uint32_t, 256> colors{};
    std::vector<std::uint8_t> nearest;
};

const PaletteTables& Palette() {
    static const PaletteTables tables = [] {
        PaletteTables t;
        static_assert(kRedLevels * kGreenLevels * kBlueLevels + kGreys.size() == 256);
        for (int i = 0; i < 256; ++i) {
            t.colors[std::size_t(i)] = PaletteColor(i);
        }
        t.nearest.resize(32 * 32 * 32);
        for (int r = 0; r < 32; ++r) {
            for (int g = 0; g < 32; ++g) {
                for (int b = 0; b < 32; ++b) {
                    t.nearest[std::size_t((r << 10) | (g << 5) | b)] =
                        std::uint8_t(NearestPaletteIndex((r << 3) | 4, (g << 3) | 4, (b << 3) | 4));
                }
            }
        }
        return t;
    }();
    return tables;
}

std::size_t TableIndex(std::uint32_t c) {
    return ((c >> 9) & 0x7C00) | ((c >> 6) & 0x03E0) | ((c >> 3) & 0x001F);
}

// Converts colours to the 8-bit palette's.
struct ToPalette {
    const std::uint32_t* colors = Palette().colors.data();
    const std::uint8_t* nearest = Palette().nearest.data();
    std::uint32_t operator()(std::uint32_t c) const { return colors[nearest[TableIndex(c)]]; }
};

}  // namespace

std::uint32_t ToPalette8(std::uint32_t color) {
    return ToPalette{}(color);
}

void QuantizeToDepth(const Surface& src, Surface& dst, int depth) {
    if (dst.width() != src.width() || dst.height() != src.height()) {
        dst.Reset(src.width(), src.height());
    }
    const auto in = src.Pixels();
    const auto out = dst.Pixels();
    if (depth == 8) {
        const ToPalette convert;
        for (std::size_t i = 0; i < in.size(); ++i) {
            out[i] = convert(in[i]);
        }
    } else if (depth == 16) {
        for (std::size_t i = 0; i < in.size(); ++i) {
            out[i] = ToRgb565(in[i]);
        }
    } else {
        std::copy(in.begin(), in.end(), out.begin());
    }
}

namespace {

// Stretches and converts each row in one pass, which the compiler turns into vector code
// where the conversion is arithmetic (16 bits, none).
template <typename Convert>
void StretchRows(const Surface& src, int x, int y, Surface& view, Surface& presented,
                 Convert convert) {
    for (int r = 0; r < kViewSpanY; ++r) {
        const std::uint32_t* in = src.Row(y + r) + x;
        std::uint32_t* v = view.Row(2 * r);
        std::uint32_t* p = presented.Row(2 * r);
        for (int c = 0; c < kViewSpanX; ++c) {
            const std::uint32_t color = in[c];
            const std::uint32_t shown = convert(color);
            v[2 * c] = color;
            v[2 * c + 1] = color;
            p[2 * c] = shown;
            p[2 * c + 1] = shown;
        }
        std::copy(v, v + kViewWidth, view.Row(2 * r + 1));
        std::copy(p, p + kViewWidth, presented.Row(2 * r + 1));
    }
}

// The 8-bit conversion looks colours up one at a time, which would keep the whole pass
// from vector code: a row's table positions are worked out in vector code first, then
// looked up, and the converted row is stretched as the 16-bit one is.
void StretchRowsToPalette(const Surface& src, int x, int y, Surface& view, Surface& presented) {
    const ToPalette palette;
    std::array<std::uint32_t, kViewSpanX> index;
    std::array<std::uint32_t, kViewSpanX> shown;
    for (int r = 0; r < kViewSpanY; ++r) {
        const std::uint32_t* in = src.Row(y + r) + x;
        for (int c = 0; c < kViewSpanX; ++c) {
            index[std::size_t(c)] = std::uint32_t(TableIndex(in[c]));
        }
        for (int c = 0; c < kViewSpanX; ++c) {
            shown[std::size_t(c)] = palette.colors[palette.nearest[index[std::size_t(c)]]];
        }
        std::uint32_t* v = view.Row(2 * r);
        std::uint32_t* p = presented.Row(2 * r);
        for (int c = 0; c < kViewSpanX; ++c) {
            v[2 * c] = in[c];
            v[2 * c + 1] = in[c];
            p[2 * c] = shown[std::size_t(c)];
            p[2 * c + 1] = shown[std::size_t(c)];
        }
        std::copy(v, v + kViewWidth, view.Row(2 * r + 1));
        std::copy(p, p + kViewWidth, presented.Row(2 * r + 1));
    }
}

}  // namespace

void StretchViewAndQuantize(const Surface& src, int x, int y, Surface& view, Surface& presented,
                            int depth) {
    const bool inside = x >= 0 && y >= 0 && x + kViewSpanX <= src.width() &&
                        y + kViewSpanY <= src.height() && view.width() == kViewWidth &&
                        view.height() == kViewHeight;
    if (!inside) {
        StretchBlt(view, 0, 0, kViewWidth, kViewHeight, src, x, y, kViewSpanX, kViewSpanY);
        QuantizeToDepth(view, presented, depth);
        return;
    }
    if (presented.width() != kViewWidth || presented.height() != kViewHeight) {
        presented.Reset(kViewWidth, kViewHeight);
    }
    if (depth == 8) {
        StretchRowsToPalette(src, x, y, view, presented);
    } else if (depth == 16) {
        StretchRows(src, x, y, view, presented, [](std::uint32_t c) { return ToRgb565(c); });
    } else {
        StretchRows(src, x, y, view, presented, [](std::uint32_t c) { return c; });
    }
}

}  // namespace tarn::game
