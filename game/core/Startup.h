// Start-up of the game window: settings, player pictures, surfaces, sounds, stage folders.
#pragma once

#include "game/core/GameMessages.h"
#include "settings/SettingsFile.h"

namespace tarn::game {

struct Game;

// Runs the start-up steps up to the title menu, setting up every part of the game; the
// failure names what is missing. Values the settings file holds wrongly are shown to the
// player as they are replaced. Without `needStageFolder` (a run of one stage file named
// by its path) an empty data folder is no failure.
Failure Startup(Game& game, SettingsBuild build, bool needStageFolder = true);

}  // namespace tarn::game
