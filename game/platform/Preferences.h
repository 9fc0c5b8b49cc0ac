// The player's own choices that are no settings of the game: the music and effects volume,
// the size of the window and how the picture is scaled into it. They are kept in one
// small text file of their own, so the settings file keeps its fixed format, and they are
// the same for both builds. One "key = value" a line:
//   music-volume = 0..100      effects-volume = 0..100
//   window = WIDTHxHEIGHT      scaling = sharp | smooth
#pragma once

#include <filesystem>

#include "game/core/CommandLine.h"
#include "game/platform/Mixer.h"

namespace tarn::game {

struct Preferences {
    int musicVolume = kFullVolume;
    int effectsVolume = kFullVolume;
    int windowWidth = 0;  // 0 x 0: no size remembered yet
    int windowHeight = 0;
    bool smoothScaling = false;  // false: whole-number factors, every pixel sharp

    bool operator==(const Preferences&) const = default;
};

// The one place that decides where the preferences file lives.
std::filesystem::path PreferencesFile(const std::filesystem::path& programFolder);

// Reads the file. A missing or unreadable file, lines it does not know and values out of
// range leave the defaults: a preference is never worth a failure.
Preferences ReadPreferences(const std::filesystem::path& file);
// Replaces the file with every value; false when it cannot be written.
bool WritePreferences(const std::filesystem::path& file, const Preferences& preferences);

// The preferences with the choices given on the command line put in.
Preferences WithCommandLine(Preferences preferences, const Options& options);

}  // namespace tarn::game
