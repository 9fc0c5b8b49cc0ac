// The chip pictures as the editor draws them: each 16 x 16 builtin picture scaled to the
// 10 x 10 square of a canvas cell, and as an icon for the palette.
#pragma once

#include <QIcon>
#include <QImage>
#include <array>

#include "support/ChipTable.h"

namespace tarn::editor {

class ChipTiles {
  public:
    ChipTiles();
    // 10 x 10 canvas picture of a code; black for 0 and for codes without a picture.
    const QImage& Tile(int code) const;
    // The game's 16 x 16 picture of a code; black for 0 and codes without a picture.
    const QImage& Picture(int code) const;
    // 16 x 16 palette icon of a code.
    QIcon Icon(int code) const;

  private:
    std::array<QImage, kChipCodeCount> tiles_;
    std::array<QImage, kChipCodeCount> pictures_;
    QImage blank_;
    QImage blankPicture_;
};

const ChipTiles& Tiles();

}  // namespace tarn::editor
