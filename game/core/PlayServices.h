// The outside world as the rules of play see it, over the game's clock and the platform:
// clock readings, sounds, and score texts printed into the composition picture.
#pragma once

#include "game/core/FrameServices.h"
#include "game/core/GameClock.h"
#include "game/core/Layers.h"
#include "game/core/Platform.h"

namespace tarn::game {

inline constexpr int kScoreTextFontPoints = 12;

class PlayServices : public FrameServices {
  public:
    PlayServices(GameClock& clock, Platform& platform, Layers& layers)
        : clock_(clock), platform_(platform), layers_(layers) {}

    std::uint32_t Clock() override { return clock_.Clock(); }
    void Sound(SoundId id, SoundOp op) override { platform_.Sound(id, op); }
    void PrintOnPBuffer(int x, int y, std::string_view text) override {
        TextPainter& painter = platform_.Text();
        const int width = painter.Draw(layers_.PBuffer, x, y, text, kScoreTextFontPoints, kWhite);
        // The text stays until a repair reaches it; glyphs may overhang their box a little.
        constexpr int kOverhang = 8;
        layers_.kept.Pin({x - kOverhang, y - kOverhang, width + 2 * kOverhang,
                          painter.LineHeight(kScoreTextFontPoints) + 2 * kOverhang});
    }

  private:
    GameClock& clock_;
    Platform& platform_;
    Layers& layers_;
};

}  // namespace tarn::game
