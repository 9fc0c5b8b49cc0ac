// The game program: parse the command line, build the platform, run the game.
#include <iostream>
#include <string>
#include <vector>

#include "game/core/App.h"
#include "game/platform/HeadlessPlatform.h"
#include "game/platform/Preferences.h"
#include "game/sdl/SdlPlatform.h"
#include "support/ProgramPaths.h"

namespace {

#ifdef TARN_LOW_SPEC
constexpr bool kLowSpec = true;
constexpr const char* kProgram = "Tarn Ver2.0Low";
#else
constexpr bool kLowSpec = false;
constexpr const char* kProgram = "TarnVer2";
#endif

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
    std::string error;
    const auto paths = tarn::ChooseProgramPaths(options.root, tarn::ExecutableFolder(argv[0]),
                                                tarn::ReadFolderEnvironment(), error);
    if (!paths) {
        std::cerr << kProgram << ": " << error << "\n";
        return 1;
    }
    const ProgramInfo program{kLowSpec};
    if (options.headless) {
        HeadlessPlatform platform;
        PlatformInput nobody(platform, PlatformInput::Person::Nobody);
        return RunGame(options, *paths, platform, nobody, program, std::cout);
    }
    // The preferences live with the settings: in an install, in the user's folder.
    const auto preferencesFile = PreferencesFile(paths->configFolder);
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
    const int status = RunGame(options, *paths, platform, keyboard, program, std::cout);
    preferences.windowWidth = platform.WindowedWidth();
    preferences.windowHeight = platform.WindowedHeight();
    std::string folderError;
    if (preferences != stored &&
        ((paths->Installed() && !tarn::MakeUserFolder(paths->configFolder, folderError)) ||
         !WritePreferences(preferencesFile, preferences))) {
        std::cerr << kProgram << ": cannot keep the preferences in " << preferencesFile.string()
                  << "\n";
    }
    return status;
}
