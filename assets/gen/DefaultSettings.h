// The settings files shipped in the program folder, with the defaults of
// settings/DefaultSettings.h.
#pragma once

#include <filesystem>
#include <string>

#include "settings/DefaultSettings.h"

namespace tarn::assetgen {

// Writes morva2.cfh and morva2.cf into the folder.
bool WriteDefaultSettings(const std::filesystem::path& folder, std::string& error);

}  // namespace tarn::assetgen
