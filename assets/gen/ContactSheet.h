// One picture that shows every picture of the game enlarged and labelled, for checking the
// artwork by eye: `tarn_assetgen --contact-sheet sheet.png`.
#pragma once

#include <string>
#include <vector>

#include "assets/gen/PixelFont.h"

namespace tarn::assetgen {

struct SheetEntry {
    std::string title;  // e.g. "CHIP 6"
    std::string label;  // e.g. "horizontal lift"
    Surface picture;
    Surface mask;  // empty for pictures without a mask (backgrounds)
};

struct SheetSection {
    std::string heading;
    std::vector<SheetEntry> entries;
};

// The chip, object, player and icon pictures of the sprite sources, with the player mask.
std::vector<SheetSection> SpriteSections(const SpriteBook& book);

// 16 x 16 entries appear at 4 x, at the editor's 10 x 10 (shown 3 x) and at 1 x, over a
// checkerboard that shows their transparent parts; larger entries appear at up to 320 x 240.
Surface DrawContactSheet(const PixelFont& font, const std::vector<SheetSection>& sections);

}  // namespace tarn::assetgen
