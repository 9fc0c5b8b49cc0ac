// Without a display the game says so in one line and ends; without a sound card the ALSA
// library prints nothing of its own.
#include "game/sdl/SdlDrivers.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace tarn::game {
namespace {

// Sets an environment variable for the test's lifetime (unset with nullopt).
class ScopedVariable {
  public:
    ScopedVariable(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        if (value) {
            setenv(name, value->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedVariable() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(NoWindowReasonTest, WithoutADisplayItSaysSoAndPointsToHeadless) {
    const ScopedVariable driver("SDL_VIDEODRIVER", std::nullopt);
    const ScopedVariable display("DISPLAY", std::nullopt);
    const ScopedVariable wayland("WAYLAND_DISPLAY", std::nullopt);
    const std::string reason = NoWindowReason("x11,KMSDRM not available");
    EXPECT_NE(reason.find("DISPLAY is not set"), std::string::npos) << reason;
    EXPECT_NE(reason.find("--headless"), std::string::npos) << reason;
    EXPECT_EQ(reason.find('\n'), std::string::npos);
}

TEST(NoWindowReasonTest, AnUnreachableDisplayIsNamed) {
    const ScopedVariable driver("SDL_VIDEODRIVER", std::nullopt);
    const ScopedVariable display("DISPLAY", ":99");
    EXPECT_EQ(NoWindowReason("x11 not available"),
              "the display :99 cannot be reached (x11 not available)");
}

TEST(NoWindowReasonTest, ADriverTheUserNamedKeepsSdlsOwnWords) {
    const ScopedVariable driver("SDL_VIDEODRIVER", "x11");
    EXPECT_EQ(NoWindowReason("x11 not available"), "x11 not available");
}

struct Finished {
    int status = -1;
    std::string errors;
};

// Runs the game with the environment changes in front, standard error captured.
Finished RunGame(const std::string& environment, const std::string& arguments) {
    const char* dir = std::getenv("TARN_PROGRAM_DIR");
    EXPECT_NE(dir, nullptr);
    const std::string command = "env " + environment + " \"" + std::string(dir) + "/TarnVer2\" " +
                                arguments + " 2>&1 >/dev/null";
    Finished finished;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return finished;
    }
    std::array<char, 512> buffer{};
    while (std::fgets(buffer.data(), int(buffer.size()), pipe) != nullptr) {
        finished.errors += buffer.data();
    }
    const int raw = pclose(pipe);
    finished.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return finished;
}

TEST(NoDisplayTest, TheGameEndsWithOneLineAndStatusOne) {
    const Finished run = RunGame("-u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER", "");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors.find("TarnVer2: cannot open the game window: no display"), 0u)
        << run.errors;
    EXPECT_EQ(run.errors.find('\n'), run.errors.size() - 1) << run.errors;
}

TEST(NoDisplayTest, HeadlessNeedsNoDisplay) {
    const Finished run =
        RunGame("-u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER", "--headless --frames 0");
    EXPECT_EQ(run.status, 0) << run.errors;
}

TEST(AudioLibraryTest, ALibraryWithoutASoundCardPrintsNothingOfItsOwn) {
    const Finished run =
        RunGame("SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=alsa", "--windowed --stage 1-1 --frames 1");
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.errors.find("ALSA lib"), std::string::npos) << run.errors;
}

}  // namespace
}  // namespace tarn::game
