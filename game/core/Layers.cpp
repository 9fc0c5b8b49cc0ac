// Repairing the composition picture and redrawing changed map cells.
#include "game/core/Layers.h"

#include "assets/BuiltinArt.h"
#include "game/core/GameState.h"
#include "game/core/ViewGeometry.h"
#include "support/ChipTable.h"
#include "support/HEXRNDData.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace tarn::game {

namespace {

bool SameSize(const Surface& a, const Surface& b) {
    return a.width() == b.width() && a.height() == b.height();
}

}  // namespace

void FillWhole(Surface& surface, std::uint32_t color) {
    const std::size_t width = std::size_t(surface.width());
    const std::size_t total = width * std::size_t(surface.height());
    if (total == 0) {
        return;
    }
    std::uint32_t* pixels = surface.Row(0);
    std::fill(pixels, pixels + width, color);
    for (std::size_t done = width; done < total;) {
        const std::size_t chunk = std::min(done, total - done);
        std::memcpy(pixels + done, pixels, chunk * sizeof(std::uint32_t));
        done += chunk;
    }
}

void RestoreKeepingPins(Layers& layers, int x, int y, int w, int h) {
    const Surface& back = layers.BackPIC;
    if (!SameSize(back, layers.MainV) || !SameSize(back, layers.MainMask)) {
        BitBlt(layers.PBuffer, x, y, w, h, back, x, y);
        HEXRNDData::MaskBilt(layers.PBuffer, layers.MainV, layers.MainMask, w, h, x, y, x, y);
        return;
    }
    // The three layers share one size, so the copy, the AND and the OR can run as one pass
    // over the part of the area that lies inside every picture; the result is the same.
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = int(
        std::min<long long>({static_cast<long long>(x) + w, back.width(), layers.PBuffer.width()}));
    const int bottom = int(std::min<long long>(
        {static_cast<long long>(y) + h, back.height(), layers.PBuffer.height()}));
    for (int row = top; row < bottom; ++row) {
        const std::uint32_t* b = back.Row(row);
        const std::uint32_t* m = layers.MainMask.Row(row);
        const std::uint32_t* v = layers.MainV.Row(row);
        std::uint32_t* out = layers.PBuffer.Row(row);
        for (int col = left; col < right; ++col) {
            out[col] = (b[col] & m[col]) | v[col];
        }
    }
}

namespace {

bool Covers(const Surface& s, int width, int height) {
    return s.width() >= width && s.height() >= height;
}

}  // namespace

void RestoreArea(Layers& layers, int x, int y, int w, int h) {
    RestoreKeepingPins(layers, x, y, w, h);
    layers.kept.Repaired({x, y, w, h});
}

void RestoreKeptArea(Layers& layers, int x, int y, int w, int h) {
    const PixelRect area{x, y, w, h};
    KeptRegion& kept = layers.kept;
    if (!kept.Active() || area.Meets(kept.Window())) {
        RestoreArea(layers, x, y, w, h);
        return;
    }
    for (const PixelRect& pin : kept.Pins()) {
        const PixelRect part = area.Clip(pin);
        if (!part.empty()) {
            RestoreKeepingPins(layers, part.x, part.y, part.w, part.h);
        }
    }
    kept.Repaired(area);
}

void ComposeWhole(Layers& layers) {
    Surface& out = layers.PBuffer;
    const Surface& back = layers.BackPIC;
    if (!SameSize(back, layers.MainV) || !SameSize(back, layers.MainMask)) {
        FillWhole(out, kBlack);
        BitBlt(out, 0, 0, back.width(), back.height(), back, 0, 0);
        HEXRNDData::MaskBilt(out, layers.MainV, layers.MainMask, layers.MainV.width(),
                             layers.MainV.height(), 0, 0, 0, 0);
        return;
    }
    // One pass: every pixel is written once.
    const int width = std::min(back.width(), out.width());
    const int height = std::min(back.height(), out.height());
    for (int row = 0; row < out.height(); ++row) {
        std::uint32_t* o = out.Row(row);
        int col = 0;
        if (row < height) {
            const std::uint32_t* b = back.Row(row);
            const std::uint32_t* m = layers.MainMask.Row(row);
            const std::uint32_t* v = layers.MainV.Row(row);
            for (; col < width; ++col) {
                o[col] = (b[col] & m[col]) | v[col];
            }
        }
        std::fill(o + col, o + out.width(), kBlack);
    }
}

void ComposeAndStartKeeping(Layers& layers, const PixelRect& view, const PixelRect& shownFirst) {
    // A repair writes only where every layer has pixels; beyond that the picture keeps
    // what was drawn there, which only a frame by frame composition reproduces.
    const int width = kViewLimitX + kViewSpanX;
    const int height = kViewLimitY + kViewSpanY;
    KeptRegion& kept = layers.kept;
    kept.Start(Covers(layers.BackPIC, width, height) && Covers(layers.MainV, width, height) &&
                   Covers(layers.MainMask, width, height) && Covers(layers.PBuffer, width, height),
               KeptRegion::WindowFor(view.x, view.y),
               KeptRegion::WindowFor(shownFirst.x, shownFirst.y));
    if (!kept.Active()) {
        ComposeWhole(layers);
        return;
    }
    const PixelRect& window = kept.Window();
    RestoreKeepingPins(layers, window.x, window.y, window.w, window.h);
    for (const PixelRect& pin : kept.Pins()) {
        RestoreKeepingPins(layers, pin.x, pin.y, pin.w, pin.h);
    }
}

void DrawMapLayers(Layers& layers, const art::BuiltinPictures& art,
                   const std::vector<std::int32_t>& codes) {
    const std::size_t cells = std::size_t(kChipColumns * kChipRows);
    const bool sized = layers.MainV.width() == kMapWidth && layers.MainV.height() == kMapHeight &&
                       layers.MainMask.width() == kMapWidth &&
                       layers.MainMask.height() == kMapHeight;
    if (!sized || !layers.cellsKnown || layers.drawnCodes.size() != cells) {
        if (sized) {
            FillWhole(layers.MainV, kBlack);
            FillWhole(layers.MainMask, kWhite);
        } else {
            layers.MainV.Reset(kMapWidth, kMapHeight, kBlack);
            layers.MainMask.Reset(kMapWidth, kMapHeight, kWhite);
        }
        layers.drawnCodes.assign(cells, kNoChip);
        layers.cellsKnown = true;
    }
    for (int row = 0; row < kChipRows; ++row) {
        for (int col = 0; col < kChipColumns; ++col) {
            const std::size_t cell = std::size_t(row * kChipColumns + col);
            const std::int32_t code = cell < codes.size() ? codes[cell] : kNoChip;
            if (code == layers.drawnCodes[cell]) {
                continue;
            }
            // As if every cell had been cleared before the stage's chips were drawn.
            layers.MainV.FillRect(col * kChipSize, row * kChipSize, kChipSize, kChipSize, kBlack);
            layers.MainMask.FillRect(col * kChipSize, row * kChipSize, kChipSize, kChipSize,
                                     kWhite);
            layers.drawnCodes[cell] = kNoChip;
            if (code != kNoChip) {
                RedrawCell(layers, art, col, row, code);
            }
        }
    }
}

void RedrawCell(Layers& layers, const art::BuiltinPictures& art, int column, int row, int code) {
    if (code < 0 || code >= int(art.BrTip.size())) {
        return;
    }
    const int x = column * kChipSize;
    const int y = row * kChipSize;
    if (layers.cellsKnown) {
        if (column < 0 || column >= kChipColumns || row < 0 || row >= kChipRows) {
            layers.cellsKnown = false;  // a drawing the clearing would not find
        } else {
            layers.drawnCodes[std::size_t(row * kChipColumns + column)] = code;
        }
    }
    BitBlt(layers.MainV, x, y, kChipSize, kChipSize, art.BrTip[std::size_t(code)], 0, 0);
    BitBlt(layers.MainMask, x, y, kChipSize, kChipSize, art.BrMask[std::size_t(code)], 0, 0);
}

}  // namespace tarn::game
