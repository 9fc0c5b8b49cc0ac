// The preview stage: rows written like a stage file's map rows ("0".."9", "A".."N").
#include "assets/gen/ScenePreview.h"

#include <array>
#include <string>

#include "assets/gen/ArtCatalog.h"
#include "support/ChipTable.h"

namespace tarn::assetgen {
namespace {

constexpr std::array<const char*, 15> kRows = {
    "....................",  "....................",  "..........C.........",
    "....................",  ".....111L111........",  "..................3.",
    "........5.5......222",  "...6.............222",  "....................",
    "111..........M...222",  ".............D......",  "....E...G.........J.",
    "22222..22222442222222", "22222..22222222222222", "22222..22222222222222",
};

int CodeOfCharacter(char c) {
    return c >= 'A' ? c - 55 : c - '0';
}

// A cell that becomes a moving object shows the object's picture, as in the game.
std::string PictureName(int code) {
    const ChipInfo* info = FindChip(code);
    if (info != nullptr && info->object) {
        return ObjectName(static_cast<int>(*info->object));
    }
    return ChipName(code);
}

void DrawMasked(Surface& view, const Sprite& sprite, int x, int y) {
    const Surface mask = MaskOf(sprite);
    const Surface picture = PictureOf(sprite);
    BitBlt(view, x, y, 16, 16, mask, 0, 0, RasterOp::SrcAnd);
    BitBlt(view, x, y, 16, 16, picture, 0, 0, RasterOp::SrcPaint);
}

void TileOver(Surface& view, const Surface& tile) {
    for (int y = 0; y < view.height(); y += tile.height()) {
        for (int x = 0; x < view.width(); x += tile.width()) {
            BitBlt(view, x, y, tile.width(), tile.height(), tile, 0, 0);
        }
    }
}

}  // namespace

Surface ScenePreview(const SpriteBook& book, const Surface& tile) {
    Surface view(320, 240);
    TileOver(view, tile);
    for (int row = 0; row < int(kRows.size()); ++row) {
        const std::string cells = kRows[std::size_t(row)];
        for (int col = 0; col < int(cells.size()) && col < 20; ++col) {
            if (cells[std::size_t(col)] == '.') {
                continue;
            }
            const Sprite* sprite = book.Find(PictureName(CodeOfCharacter(cells[std::size_t(col)])));
            if (sprite != nullptr) {
                DrawMasked(view, *sprite, col * 16, row * 16);
            }
        }
    }
    if (const Sprite* player = book.Find(WalkName(2))) {
        DrawMasked(view, *player, 2 * 16, 11 * 16);
    }
    return view;
}

Surface StagePicture(const SpriteBook& book, const Surface& tile, const StageCells& cells,
                     int playerX, int playerY) {
    Surface map(kMapWidth, kMapHeight);
    TileOver(map, tile);
    for (int row = 0; row < kMapRows; ++row) {
        const std::vector<std::int32_t>& codes = cells[std::size_t(row)];
        for (int col = 0; col < int(codes.size()) && col < kMapColumns; ++col) {
            const std::int32_t code = codes[std::size_t(col)];
            if (code <= 0 || FindChip(code) == nullptr) {
                continue;
            }
            if (const Sprite* sprite = book.Find(PictureName(code))) {
                DrawMasked(map, *sprite, col * kCellSize, row * kCellSize);
            }
        }
    }
    if (const Sprite* player = book.Find(WalkName(2))) {
        DrawMasked(map, *player, playerX, playerY);
    }
    return map;
}

Surface Reduce(const Surface& picture, int factor) {
    if (factor <= 1) {
        return picture;
    }
    Surface reduced(picture.width() / factor, picture.height() / factor);
    const int area = factor * factor;
    for (int y = 0; y < reduced.height(); ++y) {
        for (int x = 0; x < reduced.width(); ++x) {
            int r = 0, g = 0, b = 0;
            for (int dy = 0; dy < factor; ++dy) {
                for (int dx = 0; dx < factor; ++dx) {
                    const std::uint32_t c = picture.Pixel(x * factor + dx, y * factor + dy);
                    r += int((c >> 16) & 0xFF);
                    g += int((c >> 8) & 0xFF);
                    b += int(c & 0xFF);
                }
            }
            reduced.SetPixel(
                x, y, Rgb((r + area / 2) / area, (g + area / 2) / area, (b + area / 2) / area));
        }
    }
    return reduced;
}

}  // namespace tarn::assetgen
