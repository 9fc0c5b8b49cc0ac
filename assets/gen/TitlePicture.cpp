// Composition of the title picture.
#include "assets/gen/TitlePicture.h"

#include <algorithm>
#include <cmath>

#include "assets/gen/ArtCatalog.h"
#include "assets/gen/Backgrounds.h"

namespace tarn::assetgen {
namespace {

constexpr int kScale = 2;  // game figures appear twice their size
constexpr int kCell = 16 * kScale;
constexpr int kGroundY = 448;
constexpr int kLakeTop = 396;

void Put(Surface& title, const SpriteBook& book, const std::string& name, int x, int y,
         int scale = kScale) {
    if (const Sprite* sprite = book.Find(name)) {
        Stamp(title, *sprite, x, y, scale);
    }
}

void Sky(Surface& title) {
    for (int y = 0; y < kLakeTop; ++y) {
        const double t = double(y) / kLakeTop;
        const std::uint32_t colour =
            t < 0.7 ? Blend(Rgb(10, 12, 40), Rgb(40, 34, 88), t / 0.7)
                    : Blend(Rgb(40, 34, 88), Rgb(86, 62, 118), (t - 0.7) / 0.3);
        title.FillRect(0, y, kTitleWidth, 1, colour);
    }
    Dice dice(7);
    for (int i = 0; i < 140; ++i) {
        const int x = dice.Below(kTitleWidth);
        const int y = dice.Below(330);
        // Stars behind the menu's lines stay dim so that the text reads.
        const bool behindMenu = x < 320 && y < 250;
        const int shade = behindMenu ? 60 + dice.Below(50) : 90 + dice.Below(120);
        title.SetPixel(x, y, Rgb(shade, shade, std::min(255, shade + 30)));
    }
}

// A ridge of peaks: heights rise and fall linearly between the given points.
void Ridge(Surface& title, const std::vector<std::pair<int, int>>& points, std::uint32_t rock,
           std::uint32_t snow, int snowDepth) {
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const auto [x0, y0] = points[i];
        const auto [x1, y1] = points[i + 1];
        for (int x = x0; x < x1; ++x) {
            const int top = y0 + (y1 - y0) * (x - x0) / std::max(1, x1 - x0);
            title.FillRect(x, top, 1, kLakeTop - top, rock);
            // Snow lies on the peaks that reach high enough.
            const int peakTop = std::min(y0, y1);
            if (snowDepth > 0 && peakTop < 300 && top < peakTop + snowDepth) {
                title.FillRect(x, top, 1, std::max(0, peakTop + snowDepth - top), snow);
            }
        }
    }
}

void Lake(Surface& title) {
    for (int y = kLakeTop; y < kGroundY; ++y) {
        const double t = double(y - kLakeTop) / (kGroundY - kLakeTop);
        title.FillRect(0, y, kTitleWidth, 1, Blend(Rgb(36, 40, 96), Rgb(16, 20, 52), t));
    }
    Dice dice(19);
    // The moon's light on the water, and a few ripples elsewhere.
    for (int y = kLakeTop + 3; y < kLakeTop + 30; y += 4) {
        const int width = 6 + dice.Below(16);
        title.FillRect(596 - width / 2 + dice.Below(9) - 4, y, width, 1, Rgb(120, 118, 150));
    }
    for (int i = 0; i < 26; ++i) {
        title.FillRect(dice.Below(kTitleWidth - 40), kLakeTop + 3 + dice.Below(46),
                       8 + dice.Below(20), 1, Rgb(58, 64, 132));
    }
}

void Scene(Surface& title, const SpriteBook& book) {
    for (int x = 0; x < kTitleWidth; x += kCell) {
        Put(title, book, ChipName(2), x, kGroundY);
    }
    const int row = kGroundY - kCell;
    Put(title, book, ChipName(1), 48, 356);
    Put(title, book, ChipName(21), 80, 356);
    Put(title, book, ChipName(1), 112, 356);
    Put(title, book, ChipName(5), 80, 318);
    Put(title, book, ObjectName(5), 196, 330);
    Put(title, book, ObjectName(0), 232, 404);
    Put(title, book, WalkName(0), 360, row);
    Put(title, book, ObjectName(8), 456, row);
    Put(title, book, ChipName(4), 512, row);
    Put(title, book, ChipName(3), 590, row);
}

}  // namespace

Surface TitlePicture(const SpriteBook& book, const PixelFont& font) {
    Surface title(kTitleWidth, kTitleHeight, kBlack);
    Sky(title);
    Put(title, book, "scenery.moon", 572, 28, 3);
    Ridge(title,
          {{0, 330},
           {70, 306},
           {150, 340},
           {250, 292},
           {330, 262},
           {420, 318},
           {500, 246},
           {580, 320},
           {640, 296}},
          Rgb(66, 56, 112), Rgb(206, 204, 236), 8);
    Ridge(title,
          {{0, 372},
           {90, 350},
           {170, 378},
           {300, 340},
           {390, 374},
           {470, 350},
           {560, 380},
           {640, 356}},
          Rgb(34, 28, 66), 0, 0);
    Lake(title);
    // The menu prints its lines over the upper left, so the name sits low on the right.
    if (const Sprite* logo = book.Find("title.logo")) {
        const int scale = 5;
        Stamp(title, *logo, kTitleWidth - logo->width * scale - 6, 256, scale);
    }
    const std::string tagline = "A LITTLE PLATFORM QUEST";
    font.DrawShadowed(title, kTitleWidth - PixelFont::Width(tagline, 2) - 16, 336, tagline,
                      Rgb(248, 228, 150), Rgb(16, 12, 30), 2);
    Scene(title, book);
    return title;
}

}  // namespace tarn::assetgen
