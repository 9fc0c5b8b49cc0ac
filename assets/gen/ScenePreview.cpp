// The preview stage: rows written like a stage file's map rows ("0".."9", "A".."N").
#include "assets/gen/ScenePreview.h"

#include <array>

#include "assets/gen/ArtCatalog.h"

namespace tarn::assetgen {
namespace {

constexpr std::array<const char*, 15> kRows = {
    "....................",  "....................",  "..........C.........",
    "....................",  ".....111L111........",  "..................3.",
    "........5.5......222",  "...6.............222",  "....................",
    "111..........M...222",  ".............D......",  "....E...G.........J.",
    "22222..22222442222222", "22222..22222222222222", "22222..22222222222222",
};

int Code(char c) {
    return c >= 'A' ? c - 55 : c - '0';
}

// The object kind a chip code turns into when a stage loads; -1 for static chips.
int KindOf(int code) {
    if (code == 17) {
        return 1;
    }
    if (code == 18) {
        return 3;
    }
    if ((code >= 6 && code <= 9) || (code >= 11 && code <= 16)) {
        return code - 6;
    }
    return -1;
}

void DrawMasked(Surface& view, const Sprite& sprite, int x, int y) {
    const Surface mask = MaskOf(sprite);
    const Surface picture = PictureOf(sprite);
    BitBlt(view, x, y, 16, 16, mask, 0, 0, RasterOp::SrcAnd);
    BitBlt(view, x, y, 16, 16, picture, 0, 0, RasterOp::SrcPaint);
}

}  // namespace

Surface ScenePreview(const SpriteBook& book, const Surface& tile) {
    Surface view(320, 240);
    for (int y = 0; y < view.height(); y += tile.height()) {
        for (int x = 0; x < view.width(); x += tile.width()) {
            BitBlt(view, x, y, tile.width(), tile.height(), tile, 0, 0);
        }
    }
    for (int row = 0; row < int(kRows.size()); ++row) {
        const std::string cells = kRows[std::size_t(row)];
        for (int col = 0; col < int(cells.size()) && col < 20; ++col) {
            if (cells[std::size_t(col)] == '.') {
                continue;
            }
            const int code = Code(cells[std::size_t(col)]);
            const int kind = KindOf(code);
            const Sprite* sprite = book.Find(kind >= 0 ? ObjectName(kind) : ChipName(code));
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

}  // namespace tarn::assetgen
