// The settings files shipped in the program folder: five key configurations, the frame
// rate of each build and 16-bit colour.
#pragma once

#include <filesystem>
#include <string>

#include "settings/SettingsFile.h"

namespace tarn::assetgen {

// Configuration 0: arrows, Z to dash, Up to jump; 1: W A S D; 2: for the left hand on
// S and F with the right hand on J and K; 3: the numeric keypad; 4: arrows with Space and
// Shift. Giving up is on Backspace (the keypad's "/" for keypad players) and power on a
// key a reach away from the keys in play, so that neither is hit by accident.
KeyTableData DefaultKeyTable();

// 60 frames per second for the normal build, 30 for the low-spec build; 16-bit colour.
ToolSettings DefaultSettings(SettingsBuild build);

// Writes morva2.cfh and morva2.cf into the folder.
bool WriteDefaultSettings(const std::filesystem::path& folder, std::string& error);

}  // namespace tarn::assetgen
