// The fifteen sounds of the game, in the order the game creates them, with the rate and
// sample size each file must have, and the functions that synthesise them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "assets/gen/Synth.h"

namespace tarn::assetgen {

struct SoundDefinition {
    std::string name;  // base name of sound/<name>.wav
    int rate;
    int bits;
    std::function<Mix(int rate)> make;
};

const std::vector<SoundDefinition>& SoundTable();

// The stage music at a tempo: 16 bars that loop seamlessly.
Mix StageMusic(int rate, double bpm);
inline constexpr double kStageTempo = 144;
inline constexpr double kHurryTempo = 180;
inline constexpr int kStageBars = 16;

// Effects (Effects.cpp).
Mix JumpSound(int rate);
Mix HurrySignal(int rate);
Mix BreakSound(int rate);
Mix GameOverTune(int rate);
Mix FallSound(int rate);
Mix DeathSting(int rate);
Mix ClearFanfare(int rate);
Mix AllClearFanfare(int rate);
Mix CoinSound(int rate);
Mix TimeTick(int rate);
Mix ExtraLifeSound(int rate);
Mix OpeningTune(int rate);
Mix StompSound(int rate);

}  // namespace tarn::assetgen
