// The stage background tiles: sky, night, cave, castle, lake, tower, mine and dusk. Every tile
// repeats without a seam, and none of the sizes divides 3200 x 960, so the last column and row are
// cut.
#include "assets/gen/Backgrounds.h"

#include <algorithm>
#include <cmath>

namespace tarn::assetgen {
namespace {

int Wrap(int value, int size) {
    return ((value % size) + size) % size;
}

// Draws a sprite so that whatever leaves one edge comes back in at the opposite one.
void StampWrapped(Surface& tile, const Sprite& sprite, int x, int y) {
    for (int sy = 0; sy < sprite.height; ++sy) {
        for (int sx = 0; sx < sprite.width; ++sx) {
            if (sprite.IsOpaque(sx, sy)) {
                tile.SetPixel(Wrap(x + sx, tile.width()), Wrap(y + sy, tile.height()),
                              sprite.Colour(sx, sy));
            }
        }
    }
}

Surface Sky(const SpriteBook& book) {
    Surface tile(208, 152, Rgb(140, 192, 236));
    Dice dice(11);
    for (int y = 0; y < tile.height(); ++y) {
        for (int x = 0; x < tile.width(); ++x) {
            if (dice.Below(23) == 0) {
                tile.SetPixel(x, y, Rgb(148, 198, 238));
            }
        }
    }
    if (const Sprite* cloud = book.Find("scenery.cloud")) {
        StampWrapped(tile, *cloud, 14, 22);
        StampWrapped(tile, *cloud, 120, 96);
        StampWrapped(tile, *cloud, 196, 40);
    }
    return tile;
}

Surface Night(const SpriteBook& book) {
    Surface tile(224, 168, Rgb(20, 26, 58));
    Dice dice(23);
    for (int i = 0; i < 70; ++i) {
        const int shade = 70 + dice.Below(110);
        tile.SetPixel(dice.Below(tile.width()), dice.Below(tile.height()),
                      Rgb(shade, shade, std::min(255, shade + 40)));
    }
    if (const Sprite* star = book.Find("scenery.star")) {
        StampWrapped(tile, *star, 40, 30);
        StampWrapped(tile, *star, 170, 118);
        StampWrapped(tile, *star, 101, 76);
    }
    return tile;
}

// Cobbles: each pixel belongs to the nearest of a few points (measured around the edges,
// so the pattern wraps); pixels near a border between two cobbles form the cracks.
Surface Cave(const SpriteBook& book) {
    Surface tile(96, 88);
    Dice dice(37);
    struct Seed {
        int x, y, shade;
    };
    std::vector<Seed> seeds;
    seeds.reserve(14);
    for (int i = 0; i < 14; ++i) {
        seeds.push_back({dice.Below(tile.width()), dice.Below(tile.height()), dice.Below(3)});
    }
    const std::uint32_t shades[3] = {Rgb(58, 44, 60), Rgb(66, 50, 66), Rgb(50, 40, 56)};
    const std::uint32_t crack = Rgb(30, 22, 34);
    // Gap between the distances to the nearest and the second nearest point, per pixel.
    std::vector<double> gap(std::size_t(tile.width() * tile.height()));
    std::vector<int> owners(gap.size());
    for (int y = 0; y < tile.height(); ++y) {
        for (int x = 0; x < tile.width(); ++x) {
            double nearest = 1e9, second = 1e9;
            int owner = 0;
            for (std::size_t i = 0; i < seeds.size(); ++i) {
                int dx = std::abs(x - seeds[i].x);
                int dy = std::abs(y - seeds[i].y);
                dx = std::min(dx, tile.width() - dx);
                dy = std::min(dy, tile.height() - dy);
                const double distance = std::sqrt(double(dx * dx + dy * dy));
                if (distance < nearest) {
                    second = nearest;
                    nearest = distance;
                    owner = int(i);
                } else if (distance < second) {
                    second = distance;
                }
            }
            gap[std::size_t(y * tile.width() + x)] = second - nearest;
            owners[std::size_t(y * tile.width() + x)] = owner;
        }
    }
    auto gapAt = [&](int x, int y) {
        return gap[std::size_t(Wrap(y, tile.height()) * tile.width() + Wrap(x, tile.width()))];
    };
    for (int y = 0; y < tile.height(); ++y) {
        for (int x = 0; x < tile.width(); ++x) {
            const double here = gapAt(x, y);
            std::uint32_t colour =
                shades[seeds[std::size_t(owners[std::size_t(y * tile.width() + x)])].shade];
            if (here < 1.6) {
                colour = crack;
            } else if (gapAt(x, y - 2) < 1.6 || gapAt(x - 2, y) < 1.6) {
                colour = Blend(colour, Rgb(132, 110, 140), 0.18);  // lit upper left edge
            } else if (here < 3.0) {
                colour = Blend(colour, crack, 0.45);
            }
            tile.SetPixel(x, y, colour);
        }
    }
    if (const Sprite* crystal = book.Find("scenery.crystal")) {
        StampWrapped(tile, *crystal, 60, 30);
    }
    return tile;
}

// Large wall stones in courses of 22 pixels, every other course shifted by half a stone.
Surface Castle(const SpriteBook& book) {
    Surface tile(120, 88);
    Dice dice(53);
    const int stoneW = 30, stoneH = 22;
    for (int course = 0; course < tile.height() / stoneH; ++course) {
        const int shift = (course % 2) * (stoneW / 2);
        for (int stone = 0; stone < tile.width() / stoneW; ++stone) {
            const int variation = dice.Below(10);
            const std::uint32_t face = Rgb(58 + variation, 52 + variation, 80 + variation);
            for (int y = 0; y < stoneH; ++y) {
                for (int x = 0; x < stoneW; ++x) {
                    std::uint32_t colour = face;
                    if (x == stoneW - 1 || y == stoneH - 1) {
                        colour = Rgb(30, 26, 44);  // mortar
                    } else if (x == 0 || y == 0) {
                        colour = Blend(face, Rgb(120, 112, 150), 0.35);
                    } else if (x == stoneW - 2 || y == stoneH - 2) {
                        colour = Blend(face, Rgb(30, 26, 44), 0.4);
                    } else if (dice.Below(17) == 0) {
                        colour = Blend(face, Rgb(30, 26, 44), 0.25);
                    }
                    tile.SetPixel(Wrap(stone * stoneW + shift + x, tile.width()),
                                  course * stoneH + y, colour);
                }
            }
        }
    }
    if (const Sprite* window = book.Find("scenery.window")) {
        StampWrapped(tile, *window, 7, 26);
    }
    if (const Sprite* torch = book.Find("scenery.torch")) {
        StampWrapped(tile, *torch, 78, 30);
    }
    return tile;
}

// Under the water of a mountain lake: calm teal with slow wave lines of light and a few
// rising bubbles. The waves' period divides the tile's width, so they join at the edges.
Surface Lake(const SpriteBook& book) {
    Surface tile(144, 100, Rgb(24, 70, 96));
    Dice dice(71);
    for (int y = 0; y < tile.height(); ++y) {
        for (int x = 0; x < tile.width(); ++x) {
            if (dice.Below(19) == 0) {
                tile.SetPixel(x, y, Rgb(28, 76, 102));
            }
        }
    }
    for (const int base : {14, 48, 82}) {
        for (int x = 0; x < tile.width(); ++x) {
            if ((x + base) % 24 < 15) {
                const double wave = std::sin(2 * 3.14159265358979 * (x + base) / 72.0);
                tile.SetPixel(x, base + int(std::lround(3 * wave)), Rgb(44, 104, 132));
            }
        }
    }
    if (const Sprite* bubble = book.Find("scenery.bubble")) {
        StampWrapped(tile, *bubble, 30, 60);
        StampWrapped(tile, *bubble, 100, 26);
    }
    return tile;
}

// The inside of an old mossy tower: courses of small grey-green bricks, every other one
// shifted, with a narrow window; wind-blown streaks of light run across the wall.
Surface Tower(const SpriteBook& book) {
    Surface tile(140, 90);
    Dice dice(89);
    const int brickW = 20, brickH = 10;
    const std::uint32_t mortar = Rgb(32, 42, 40);
    for (int course = 0; course < tile.height() / brickH; ++course) {
        const int shift = (course % 2) * (brickW / 2);
        for (int brick = 0; brick < tile.width() / brickW; ++brick) {
            const int variation = dice.Below(12);
            const std::uint32_t face = Rgb(66 + variation, 82 + variation, 76 + variation);
            for (int y = 0; y < brickH; ++y) {
                for (int x = 0; x < brickW; ++x) {
                    std::uint32_t colour = face;
                    if (x == brickW - 1 || y == brickH - 1) {
                        colour = mortar;
                    } else if (y == 0) {
                        colour = Blend(face, Rgb(140, 160, 146), 0.3);
                    } else if (dice.Below(13) == 0) {
                        colour = Blend(face, mortar, 0.3);
                    }
                    tile.SetPixel(Wrap(brick * brickW + shift + x, tile.width()),
                                  course * brickH + y, colour);
                }
            }
        }
    }
    for (const int base : {22, 63}) {  // streaks of light, one pixel high, wrapping sideways
        const int start = dice.Below(tile.width());
        for (int x = 0; x < 46; ++x) {
            const int px = Wrap(start + x, tile.width());
            tile.SetPixel(px, base, Blend(tile.Pixel(px, base), Rgb(206, 226, 210), 0.3));
        }
    }
    if (const Sprite* window = book.Find("scenery.window")) {
        StampWrapped(tile, *window, 96, 34);
    }
    return tile;
}

// A mine gallery: dark packed earth with flecks of ore, held up by timber posts and a beam
// that join at the tile's edges, and a lamp on the post.
Surface Mine(const SpriteBook& book) {
    Surface tile(176, 104, Rgb(44, 34, 30));
    Dice dice(97);
    for (int y = 0; y < tile.height(); ++y) {
        for (int x = 0; x < tile.width(); ++x) {
            const int roll = dice.Below(40);
            if (roll < 5) {
                tile.SetPixel(x, y, Rgb(52, 40, 34));
            } else if (roll == 5) {
                tile.SetPixel(x, y, Rgb(36, 28, 26));
            }
        }
    }
    for (int i = 0; i < 9; ++i) {  // ore: small bright clusters
        const int x = dice.Below(tile.width()), y = dice.Below(tile.height());
        const std::uint32_t ore = i % 3 == 0 ? Rgb(150, 126, 60) : Rgb(96, 104, 120);
        tile.SetPixel(x, y, ore);
        tile.SetPixel(Wrap(x + 1, tile.width()), y, Blend(ore, Rgb(44, 34, 30), 0.4));
    }
    const std::uint32_t wood = Rgb(62, 44, 32), grain = Rgb(50, 36, 26), lit = Rgb(80, 58, 40);
    for (int y = 0; y < tile.height(); ++y) {  // a post across the tile's left edge
        for (int x = -4; x < 4; ++x) {
            const std::uint32_t colour = x == -4                        ? lit
                                         : (x == 3 || (y + x) % 9 == 0) ? grain
                                                                        : wood;
            tile.SetPixel(Wrap(x, tile.width()), y, colour);
        }
    }
    for (int x = 0; x < tile.width(); ++x) {  // the beam it carries
        for (int y = 0; y < 5; ++y) {
            const std::uint32_t colour = y == 0                              ? lit
                                         : (y == 4 || (x + 2 * y) % 13 == 0) ? grain
                                                                             : wood;
            tile.SetPixel(x, y, colour);
        }
    }
    if (const Sprite* torch = book.Find("scenery.torch")) {
        StampWrapped(tile, *torch, 8, 40);
    }
    if (const Sprite* crystal = book.Find("scenery.crystal")) {
        StampWrapped(tile, *crystal, 112, 70);
    }
    return tile;
}

// A sky at dusk: rose and violet bands of thin cloud drawn as long soft streaks, which wrap
// sideways, and a few clouds lit from below.
Surface Dusk(const SpriteBook& book) {
    Surface tile(232, 124, Rgb(118, 80, 128));
    Dice dice(103);
    for (int y = 0; y < tile.height(); ++y) {
        // Warmer towards the middle of the tile, cooler at its top and bottom edges, which
        // meet when the tile repeats.
        const double warmth = 0.5 - 0.5 * std::cos(2 * 3.14159265358979 * y / tile.height());
        const std::uint32_t band = Blend(Rgb(110, 76, 126), Rgb(196, 112, 106), warmth);
        for (int x = 0; x < tile.width(); ++x) {
            tile.SetPixel(x, y, dice.Below(29) == 0 ? Blend(band, Rgb(236, 170, 120), 0.2) : band);
        }
    }
    for (int i = 0; i < 7; ++i) {
        const int y = dice.Below(tile.height());
        const int start = dice.Below(tile.width());
        const int length = 30 + dice.Below(60);
        for (int x = 0; x < length; ++x) {
            const int px = Wrap(start + x, tile.width());
            tile.SetPixel(px, y, Blend(tile.Pixel(px, y), Rgb(244, 178, 128), 0.45));
        }
    }
    if (const Sprite* cloud = book.Find("scenery.cloud")) {
        StampWrapped(tile, *cloud, 40, 30);
        StampWrapped(tile, *cloud, 170, 84);
    }
    return tile;
}

}  // namespace

std::uint32_t Dice::Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

std::uint32_t Blend(std::uint32_t a, std::uint32_t b, double t) {
    auto channel = [&](int shift) {
        const double from = double((a >> shift) & 0xFF);
        const double to = double((b >> shift) & 0xFF);
        return int(std::lround(from + (to - from) * t));
    };
    return Rgb(channel(16), channel(8), channel(0));
}

Surface StandardBackground() {
    return Surface(kMapWidth, kMapHeight, Rgb(16, 16, 28));
}

std::vector<BackgroundTile> BackgroundTiles(const SpriteBook& book) {
    return {
        {"sky.bmp", "daylight sky", Sky(book)},     {"night.bmp", "starry night", Night(book)},
        {"cave.bmp", "cave wall", Cave(book)},      {"castle.bmp", "castle wall", Castle(book)},
        {"lake.bmp", "under the lake", Lake(book)}, {"tower.bmp", "tower wall", Tower(book)},
        {"mine.bmp", "mine gallery", Mine(book)},   {"dusk.bmp", "sky at dusk", Dusk(book)},
    };
}

}  // namespace tarn::assetgen
