// The game's command line.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tarn::game {

struct Options {
    std::filesystem::path root;  // empty: the executable's folder
    bool windowed = false;
    std::string stage;  // --stage NAME or FILE.tr2
    bool headless = false;
    std::filesystem::path replay;
    std::filesystem::path record;
    std::optional<std::uint64_t> frames;
    bool dumpState = false;
    std::filesystem::path screenshot;
    std::filesystem::path trace;  // --trace: what was heard and read, a line per frame
    // The player's preferences, kept for later runs: volumes 0..100 and the scaling.
    std::optional<int> musicVolume;
    std::optional<int> effectsVolume;
    std::optional<bool> smoothScaling;
    bool help = false;
    bool version = false;
};

struct ParseResult {
    bool ok = true;
    std::string error;  // what was wrong, for the message pointing to --help
};

ParseResult ParseCommandLine(const std::vector<std::string>& args, Options& options);

void PrintHelp(std::ostream& out, const std::string& program);
void PrintVersion(std::ostream& out, const std::string& program);

}  // namespace tarn::game
