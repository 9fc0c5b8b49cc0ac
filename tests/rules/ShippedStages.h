// The stage folders shipped with the game, read from their plain texts in assets/stages:
// which folders and stages there are, their texts, and the frame of each replay's clear.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "game/core/GameState.h"
#include "support/StageText.h"

namespace tarn::game::testing {

struct ShippedFolder {
    std::string name;
    std::vector<std::string> stages;  // from "1-1" along goal 1 to the last
};

// The folders as assets/stages/stages.cmake ships them.
const std::vector<ShippedFolder>& ShippedFolders();

// The stage texts of a folder by stage name; a test failure for a text that cannot be read.
std::map<std::string, GameStageText> ReadShippedFolder(const ShippedFolder& folder);

// The frame named by "# clears at frame N" in <folder>/replays/[low/]<replay>.rpl.
std::optional<int> ReplayClearFrame(const std::string& folder, const std::string& replay,
                                    bool lowSpec);

// The stage loaded as the game loads it, the player at the start with the game's bindings.
GameState LoadedStage(const GameStageText& text, bool lowSpec = false);

}  // namespace tarn::game::testing
