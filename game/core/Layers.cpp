// Repairing the composition picture and redrawing changed map cells.
#include "game/core/Layers.h"

#include "assets/BuiltinArt.h"
#include "support/HEXRNDData.h"

namespace tarn::game {

void RestoreArea(Layers& layers, int x, int y, int w, int h) {
    BitBlt(layers.PBuffer, x, y, w, h, layers.BackPIC, x, y);
    HEXRNDData::MaskBilt(layers.PBuffer, layers.MainV, layers.MainMask, w, h, x, y, x, y);
}

void RedrawCell(Layers& layers, const art::BuiltinPictures& art, int column, int row, int code) {
    if (code < 0 || code >= int(art.BrTip.size())) {
        return;
    }
    const int x = column * 16;
    const int y = row * 16;
    BitBlt(layers.MainV, x, y, 16, 16, art.BrTip[std::size_t(code)], 0, 0);
    BitBlt(layers.MainMask, x, y, 16, 16, art.BrMask[std::size_t(code)], 0, 0);
}

}  // namespace tarn::game
