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

std::uint32_t NearestPaletteColor(int r, int g, int b) {
    const int lr = Level(r, kRedLevels), lg = Level(g, kGreenLevels), lb = Level(b, kBlueLevels);
    std::uint32_t best =
        Rgb(LevelValue(lr, kRedLevels), LevelValue(lg, kGreenLevels), LevelValue(lb, kBlueLevels));
    auto distance = [&](std::uint32_t c) {
        const int dr = int((c >> 16) & 0xFF) - r, dg = int((c >> 8) & 0xFF) - g,
                  db = int(c & 0xFF) - b;
        return dr * dr + dg * dg + db * db;
    };
    for (const int grey : kGreys) {
        const std::uint32_t c = Rgb(grey, grey, grey);
        if (distance(c) < distance(best)) {
            best = c;
        }
    }
    return best;
}

// Indexed by the colour's top 5 bits of each channel.
const std::vector<std::uint32_t>& PaletteTable() {
    static const std::vector<std::uint32_t> table = [] {
        std::vector<std::uint32_t> t(32 * 32 * 32);
        for (int r = 0; r < 32; ++r) {
            for (int g = 0; g < 32; ++g) {
                for (int b = 0; b < 32; ++b) {
                    t[std::size_t((r << 10) | (g << 5) | b)] =
                        NearestPaletteColor((r << 3) | 4, (g << 3) | 4, (b << 3) | 4);
                }
            }
        }
        return t;
    }();
    return table;
}

std::size_t TableIndex(std::uint32_t c) {
    return ((c >> 9) & 0x7C00) | ((c >> 6) & 0x03E0) | ((c >> 3) & 0x001F);
}

}  // namespace

std::uint32_t ToPalette8(std::uint32_t color) {
    return PaletteTable()[TableIndex(color)];
}

void QuantizeToDepth(const Surface& src, Surface& dst, int depth) {
    if (dst.width() != src.width() || dst.height() != src.height()) {
        dst.Reset(src.width(), src.height());
    }
    const auto in = src.Pixels();
    const auto out = dst.Pixels();
    if (depth == 8) {
        const std::uint32_t* table = PaletteTable().data();
        for (std::size_t i = 0; i < in.size(); ++i) {
            out[i] = table[TableIndex(in[i])];
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
        const std::uint32_t* table = PaletteTable().data();
        StretchRows(src, x, y, view, presented,
                    [table](std::uint32_t c) { return table[TableIndex(c)]; });
    } else if (depth == 16) {
        StretchRows(src, x, y, view, presented, [](std::uint32_t c) { return ToRgb565(c); });
    } else {
        StretchRows(src, x, y, view, presented, [](std::uint32_t c) { return c; });
    }
}

}  // namespace tarn::game
