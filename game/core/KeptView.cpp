// Moving the kept window of the composition picture along with the view.
#include <algorithm>
#include <vector>

#include "assets/BuiltinArt.h"
#include "game/core/RuleHelpers.h"
#include "support/HEXRNDData.h"

namespace tarn::game::detail {

namespace {

// Draws the part of a 16 x 16 figure at (x, y) that lies inside `part`.
void DrawClipped(Surface& target, const Surface& picture, const Surface& mask, int x, int y,
                 const PixelRect& part) {
    const PixelRect shown = PixelRect{x, y, 16, 16}.Clip(part);
    if (!shown.empty()) {
        HEXRNDData::MaskBilt(target, picture, mask, shown.w, shown.h, shown.x, shown.y, shown.x - x,
                             shown.y - y);
    }
}

// Composes `part` as the frame by frame composition has it at the end of this frame's
// drawing; the pins in it are exact already and keep their pixels.
void Compose(FrameContext& frame, const PixelRect& part) {
    Layers& layers = frame.layers;
    struct Saved {
        PixelRect at;
        Surface pixels;
    };
    std::vector<Saved> saved;
    for (const PixelRect& pin : layers.kept.Pins()) {
        const PixelRect common = pin.Clip(part);
        if (!common.empty()) {
            Surface pixels(common.w, common.h);
            BitBlt(pixels, 0, 0, common.w, common.h, layers.PBuffer, common.x, common.y);
            saved.push_back({common, std::move(pixels)});
        }
    }
    RestoreKeepingPins(layers, part.x, part.y, part.w, part.h);
    const Stage& stage = frame.state.stage;
    const auto count = std::size_t(std::max(stage.ObjCount, 0));
    const std::size_t usable =
        std::min({count, stage.ObjKind.size(), stage.ObjX.size(), stage.ObjY.size()});
    for (std::size_t i = 0; i < usable; ++i) {
        const auto kind = std::size_t(stage.ObjKind[i]);
        if (kind < frame.art.TPic.size()) {
            DrawClipped(layers.PBuffer, frame.art.TPic[kind], frame.art.TMask[kind], stage.ObjX[i],
                        stage.ObjY[i], part);
        }
    }
    if (const Surface* figure = PlayerFigure(frame)) {
        const Player& p = frame.state.player;
        DrawClipped(layers.PBuffer, *figure, frame.art.MyMask, p.PlayerX, p.PlayerY, part);
    }
    for (const Saved& s : saved) {
        BitBlt(layers.PBuffer, s.at.x, s.at.y, s.at.w, s.at.h, s.pixels, 0, 0);
    }
}

}  // namespace

void FollowView(FrameContext& frame) {
    KeptRegion& kept = frame.layers.kept;
    if (!kept.Active()) {
        return;
    }
    const PixelRect window = KeptRegion::WindowFor(frame.state.loop.ViewX, frame.state.loop.ViewY);
    for (const PixelRect& part : Subtract(window, kept.Window())) {
        Compose(frame, part);
    }
    kept.SetWindow(window);
}

}  // namespace tarn::game::detail
