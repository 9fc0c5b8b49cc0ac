// The game's 15 wave files, loaded from the sound folder by the headless and the SDL
// platform alike.
#pragma once

#include <filesystem>
#include <functional>

#include "game/core/FrameServices.h"
#include "game/core/GameMessages.h"
#include "support/WaveFile.h"

namespace tarn::game {

// Loads and checks the 15 wave files of a folder; the failure names the first that is
// missing or unreadable. `take` receives each in creation order.
Failure LoadSoundFolder(const std::filesystem::path& folder,
                        const std::function<void(SoundId, const Wave&)>& take);

}  // namespace tarn::game
