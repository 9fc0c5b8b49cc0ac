// Parsing the command line.
#include "game/core/CommandLine.h"

#include <charconv>

#include "support/Version.h"

namespace tarn::game {

namespace {

bool ParseWholeNumber(const std::string& text, std::uint64_t& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size();
}

}  // namespace

ParseResult ParseCommandLine(const std::vector<std::string>& args, Options& options) {
    const auto fail = [](std::string text) { return ParseResult{false, std::move(text)}; };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                return false;
            }
            out = args[++i];
            return true;
        };
        std::string text;
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--windowed") {
            options.windowed = true;
        } else if (arg == "--fullscreen") {
            options.windowed = false;
        } else if (arg == "--headless") {
            options.headless = true;
        } else if (arg == "--dump-state") {
            options.dumpState = true;
        } else if (arg == "--music-volume" || arg == "--effects-volume") {
            std::uint64_t volume = 0;
            if (!value(text) || !ParseWholeNumber(text, volume) || volume > 100) {
                return fail(arg + " needs a volume from 0 to 100");
            }
            (arg == "--music-volume" ? options.musicVolume : options.effectsVolume) = int(volume);
        } else if (arg == "--scaling") {
            if (!value(text) || (text != "sharp" && text != "smooth")) {
                return fail("--scaling needs \"sharp\" or \"smooth\"");
            }
            options.smoothScaling = text == "smooth";
        } else if (arg == "--root" || arg == "--stage" || arg == "--replay" || arg == "--record" ||
                   arg == "--screenshot" || arg == "--trace" || arg == "--frames") {
            if (!value(text) || text.empty()) {
                return fail("option " + arg + " needs a value");
            }
            if (arg == "--root") {
                options.root = text;
            } else if (arg == "--stage") {
                options.stage = text;
            } else if (arg == "--replay") {
                options.replay = text;
            } else if (arg == "--record") {
                options.record = text;
            } else if (arg == "--screenshot") {
                options.screenshot = text;
            } else if (arg == "--trace") {
                options.trace = text;
            } else {
                std::uint64_t frames = 0;
                if (!ParseWholeNumber(text, frames)) {
                    return fail("--frames needs a whole number, not \"" + text + "\"");
                }
                options.frames = frames;
            }
        } else {
            return fail("unknown option \"" + arg + "\"");
        }
    }
    if (!options.replay.empty() && !options.record.empty()) {
        return fail("--replay and --record cannot be used together");
    }
    return ParseResult{};
}

void PrintHelp(std::ostream& out, const std::string& program) {
    out << "Usage: " << program << " [options]\n"
        << "A side-scrolling platform game.\n\n"
        << "  --root DIR         portable program folder with data/, bmp/, sound/, me/ that\n"
        << "                     holds everything (default: the executable's folder; an\n"
        << "                     installed one keeps each user's settings and stage folders\n"
        << "                     in ~/.config/tarn2 and ~/.local/share/tarn2/data)\n"
        << "  --windowed         start in a window (Alt+Enter toggles full screen)\n"
        << "  --fullscreen       start full screen (the default)\n"
        << "  --stage NAME|FILE  skip the title menu and play that stage with 5 lives; a name\n"
        << "                     is looked up in the first stage folder, a .tr2 path sets the\n"
        << "                     stage folder to its folder; the run ends where the title\n"
        << "                     menu would follow\n"
        << "  --headless         no window and no sound; a virtual clock that never waits\n"
        << "  --replay FILE      take the held keys from FILE (lines \"FRAME KEY...\": from\n"
        << "                     that frame on exactly these virtual keys are held)\n"
        << "  --record FILE      record the keys and clock readings of this run to FILE\n"
        << "  --frames N         stop after N frames (0: once the first stage has loaded)\n"
        << "  --dump-state       print the game state as JSON at exit\n"
        << "  --screenshot FILE  save the 640x480 view as BMP (PNG for a .png name) at exit\n"
        << "  --trace FILE       write to FILE, a line per frame, the sounds asked for, the\n"
        << "                     texts printed on the view and the score picture, and the\n"
        << "                     status strip's texts as they change\n"
        << "  --music-volume N   music volume from 0 to 100 (default 100)\n"
        << "  --effects-volume N sound effects volume from 0 to 100 (default 100)\n"
        << "  --scaling MODE     how a window larger than the picture shows it: \"sharp\"\n"
        << "                     (whole-number factors, the default) or \"smooth\" (fills the\n"
        << "                     window, softened)\n"
        << "                     The three above are remembered for later runs.\n"
        << "  --help             show this help\n"
        << "  --version          show the version\n";
}

void PrintVersion(std::ostream& out, const std::string& program) {
    out << program << " " << kVersion << "\n";
}

}  // namespace tarn::game
