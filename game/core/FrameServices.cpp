// Wave file names of the sounds.
#include "game/core/FrameServices.h"

#include <array>

namespace tarn::game {

const char* SoundFileName(SoundId id) {
    static constexpr std::array<const char*, kSoundCount> kNames = {
        "jump01", "bgn",      "bg",   "endh",  "break", "end", "ded",  "ded1",
        "clear",  "allclear", "coin", "timep", "1up",   "op",  "tded",
    };
    const auto index = std::size_t(id);
    return index < kNames.size() ? kNames[index] : "";
}

}  // namespace tarn::game
