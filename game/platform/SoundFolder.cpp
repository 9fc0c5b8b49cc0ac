// Loading the sound folder.
#include "game/platform/SoundFolder.h"

#include <string>

#include "support/MessageHook.h"

namespace tarn::game {

bool LoadSoundFolder(const std::filesystem::path& folder,
                     const std::function<void(SoundId, const Wave&)>& take) {
    for (int i = 0; i < kSoundCount; ++i) {
        const auto id = SoundId(i);
        const auto path = folder / (std::string(SoundFileName(id)) + ".wav");
        Wave wave;
        std::string reason;
        if (!ReadWave(path, wave, reason)) {
            ShowMessage("Cannot load the sound file " + path.string() + " (" + reason + ").",
                        "Tarn Ver2", MessageIcon::Error);
            return false;
        }
        if (take) {
            take(id, wave);
        }
    }
    return true;
}

}  // namespace tarn::game
