// Loading the sound folder.
#include "game/platform/SoundFolder.h"

#include <string>

#include "support/UserText.h"

namespace tarn::game {

Failure LoadSoundFolder(const std::filesystem::path& folder,
                        const std::function<void(SoundId, const Wave&)>& take) {
    for (int i = 0; i < kSoundCount; ++i) {
        const auto id = SoundId(i);
        const auto path = folder / (std::string(SoundFileName(id)) + ".wav");
        Wave wave;
        std::string reason;
        if (!ReadWave(path, wave, reason)) {
            return Fail("Cannot load the sound file " + ShownPath(path) + " (" + reason + ").");
        }
        if (take) {
            take(id, wave);
        }
    }
    return std::nullopt;
}

}  // namespace tarn::game
