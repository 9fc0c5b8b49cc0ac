// Start-up of the game window: settings, player pictures, surfaces, sounds, stage folders.
#pragma once

#include <filesystem>
#include <vector>

#include "game/core/GameMessages.h"
#include "settings/SettingsFile.h"

namespace tarn::game {

class Session;

// Runs the start-up steps up to the title menu; the failure names what is missing.
// Values the settings file holds wrongly are shown to the player as they are replaced.
// Without `needStageFolder` (a run of one stage file named by its path) an empty data
// folder is no failure.
Failure Startup(Session& session, SettingsBuild build, bool needStageFolder = true);

// The sub-folders of a folder, sorted by name, each path ending in a separator.
std::vector<std::filesystem::path> ListStageFolders(const std::filesystem::path& dataFolder);

}  // namespace tarn::game
