// The settings the build ships: five key configurations, the frame rate of each build and
// 16-bit colour. The asset generator writes them into the program folder and Optara
// offers them when a settings file is missing or damaged, so both come from here.
#pragma once

#include "settings/SettingsFile.h"

namespace tarn {

// Configuration 0: arrows, Z to dash, Up to jump; 1: W A S D; 2: for the left hand on
// S and F with the right hand on J and K; 3: the numeric keypad; 4: arrows with Space and
// Shift. Giving up is on Backspace (the keypad's "/" for keypad players) and power on a
// key a reach away from the keys in play, so that neither is hit by accident.
KeyTableData DefaultKeyTable();

// 60 frames per second for the normal build, 30 for the low-spec build; 16-bit colour.
ToolSettings DefaultSettings(SettingsBuild build);

}  // namespace tarn
