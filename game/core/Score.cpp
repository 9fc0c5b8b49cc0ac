// Time limit, hurry-up music, coins to lives, and the time label's text.
#include <cmath>
#include <cstdint>

#include "game/core/RuleHelpers.h"

namespace tarn::game {

void HurryUpSwitch(FrameContext& frame) {
    GameState& s = frame.state;
    if (s.loop.HurryUp != 0 || s.counters.TimeLeft > 50) {
        return;
    }
    s.loop.HurryUp = -1;
    FrameServices& sound = frame.services;
    sound.Sound(SoundId::endh, SoundOp::Play);
    sound.Sound(SoundId::bgn, SoundOp::Stop);
    sound.Sound(SoundId::bgn, SoundOp::Rewind);
    sound.Sound(SoundId::bg, SoundOp::Rewind);
    sound.Sound(SoundId::bg, SoundOp::PlayLooping);
}

bool TestTimeUp(FrameContext& frame) {
    GameState& s = frame.state;
    if (s.counters.TimeLeft <= 0) {
        s.loop.outcome = Outcome::Dead;
        return true;
    }
    return false;
}

void CoinsToLife(FrameContext& frame) {
    Counters& c = frame.state.counters;
    if (c.Coins > 99) {
        frame.services.Sound(SoundId::oneUp, SoundOp::Play);
        c.Lives += 1;
        c.Coins -= 100;
    }
}

std::string TimeText(double timeLeft) {
    // Out-of-range values (a damaged time limit) are held at the ends of the range.
    double whole = std::floor(timeLeft);
    if (!(whole >= -1e15)) {
        whole = std::isnan(whole) ? 0 : -1e15;
    } else if (whole > 1e15) {
        whole = 1e15;
    }
    const auto n = std::int64_t(whole);
    const std::string digits = std::to_string(n);
    // The width counts a sign position: a blank for a value that is not negative.
    const std::size_t width = n < 0 ? digits.size() : digits.size() + 1;
    if (width == 2) {
        return "time 00" + digits;
    }
    if (width == 3) {
        return "time 0" + digits;
    }
    return "time " + digits;
}

}  // namespace tarn::game
