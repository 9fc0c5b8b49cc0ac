// The game program: parse the command line, build the platform, run the game.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "game/core/App.h"
#include "game/platform/HeadlessPlatform.h"
#include "game/platform/Preferences.h"
#include "game/sdl/SdlPlatform.h"

namespace {

#ifdef TARN_LOW_SPEC
constexpr bool kLowSpec = true;
constexpr const char* kProgram = "Tarn Ver2.0Low";
#else
constexpr bool kLowSpec = false;
constexpr const char* kProgram = "TarnVer2";
#endif

std::filesystem::path ProgramFolder(const char* argv0) {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        return self.parent_path();
    }
    return std::filesystem::absolute(argv0, error).parent_path();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tarn::game;
    const std::vector<std::string> args(argv + 1, argv + argc);
    Options options;
    if (const ParseResult parsed = ParseCommandLine(args, options); !parsed.ok) {
        std::cerr << kProgram << ": " << parsed.error << "\nTry '" << kProgram
                  << " --help' for more information.\n";
        return 2;
    }
    if (options.help) {
        PrintHelp(std::cout, kProgram);
        return 0;
    }
    if (options.version) {
        PrintVersion(std::cout, kProgram);
        return 0;
    }
    if (options.root.empty()) {
        options.root = ProgramFolder(argv[0]);
    }
    const ProgramInfo program{kLowSpec};
    if (options.headless) {
        HeadlessPlatform platform;
        PlatformInput nobody(platform, PlatformInput::Person::Nobody);
        return RunGame(options, platform, nobody, program, std::cout);
    }
    const auto preferencesFile = PreferencesFile(options.root);
    const Preferences stored = ReadPreferences(preferencesFile);
    Preferences preferences = WithCommandLine(stored, options);
    SdlPlatform platform(WindowChoice{options.windowed, stored.windowWidth, stored.windowHeight,
                                      preferences.smoothScaling});
    if (!platform.Ok()) {
        std::cerr << kProgram << ": cannot open the game window: " << platform.Error() << "\n";
        return 1;
    }
    platform.SetVolumes(preferences.musicVolume, preferences.effectsVolume);
    PlatformInput keyboard(platform, PlatformInput::Person::AtTheKeys);
    const int status = RunGame(options, platform, keyboard, program, std::cout);
    preferences.windowWidth = platform.WindowedWidth();
    preferences.windowHeight = platform.WindowedHeight();
    if (preferences != stored && !WritePreferences(preferencesFile, preferences)) {
        std::cerr << kProgram << ": cannot keep the preferences in " << preferencesFile.string()
                  << "\n";
    }
    return status;
}
