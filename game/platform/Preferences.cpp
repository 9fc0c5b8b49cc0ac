// Reading and writing the preferences file.
#include "game/platform/Preferences.h"

#include <charconv>
#include <sstream>
#include <string>
#include <string_view>

#include "support/FileBytes.h"

namespace tarn::game {

namespace {

// Far more than a file of five lines needs; a larger file is not ours.
constexpr std::uintmax_t kMaxPreferencesBytes = 64 * 1024;
constexpr int kMaxWindowSide = 16384;

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// A whole number from `low` to `high`, nothing else.
bool ReadNumber(std::string_view text, int low, int high, int& value) {
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc{} || end != text.data() + text.size() || number < low || number > high) {
        return false;
    }
    value = number;
    return true;
}

void ReadWindowSize(std::string_view text, Preferences& preferences) {
    const auto x = text.find('x');
    int width = 0, height = 0;
    if (x != std::string_view::npos && ReadNumber(text.substr(0, x), 1, kMaxWindowSide, width) &&
        ReadNumber(text.substr(x + 1), 1, kMaxWindowSide, height)) {
        preferences.windowWidth = width;
        preferences.windowHeight = height;
    }
}

void ReadLine(std::string_view line, Preferences& preferences) {
    const auto equals = line.find('=');
    if (line.empty() || line.front() == '#' || equals == std::string_view::npos) {
        return;
    }
    const std::string_view key = Trim(line.substr(0, equals));
    const std::string_view value = Trim(line.substr(equals + 1));
    if (key == "music-volume") {
        ReadNumber(value, 0, kFullVolume, preferences.musicVolume);
    } else if (key == "effects-volume") {
        ReadNumber(value, 0, kFullVolume, preferences.effectsVolume);
    } else if (key == "window") {
        ReadWindowSize(value, preferences);
    } else if (key == "scaling" && (value == "sharp" || value == "smooth")) {
        preferences.smoothScaling = value == "smooth";
    }
}

}  // namespace

std::filesystem::path PreferencesFile(const std::filesystem::path& programFolder) {
    return programFolder / "preferences.ini";
}

Preferences ReadPreferences(const std::filesystem::path& file) {
    Preferences preferences;
    std::string text;
    if (ReadFileBytes(file, text, kMaxPreferencesBytes) != FileStatus::Ok) {
        return preferences;
    }
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        ReadLine(Trim(line), preferences);
    }
    return preferences;
}

bool WritePreferences(const std::filesystem::path& file, const Preferences& preferences) {
    std::ostringstream text;
    text << "# Tarn Ver2 preferences, kept between runs (the settings file holds the keys).\n"
         << "music-volume = " << preferences.musicVolume << "\n"
         << "effects-volume = " << preferences.effectsVolume << "\n";
    if (preferences.windowWidth > 0 && preferences.windowHeight > 0) {
        text << "window = " << preferences.windowWidth << "x" << preferences.windowHeight << "\n";
    }
    text << "scaling = " << (preferences.smoothScaling ? "smooth" : "sharp") << "\n";
    return WriteFileAtomically(file, text.str()) == FileStatus::Ok;
}

Preferences WithCommandLine(Preferences preferences, const Options& options) {
    if (options.musicVolume) {
        preferences.musicVolume = *options.musicVolume;
    }
    if (options.effectsVolume) {
        preferences.effectsVolume = *options.effectsVolume;
    }
    if (options.smoothScaling) {
        preferences.smoothScaling = *options.smoothScaling;
    }
    return preferences;
}

}  // namespace tarn::game
