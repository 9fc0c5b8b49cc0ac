// Settings lines for the settings tests; folders, files and messages come from the
// shared test helpers.
#pragma once

#include <string>

#include "tests/common/TestFiles.h"

namespace tarn::testing {

// A settings line: the given leading key characters, padded with "A" to 30 keys,
// then the frame-rate character and the colour character.
inline std::string SettingsLineText(const std::string& keys, int frameCode, int colourCode) {
    std::string line = keys;
    line.resize(30, 'A');
    line.push_back(static_cast<char>(frameCode));
    line.push_back(static_cast<char>(colourCode));
    return line + "\r\n";
}

}  // namespace tarn::testing
