// A small program folder built in a scratch folder (settings, player pictures, sounds,
// title picture, background pictures, stage folders) and helpers that run the game on
// it through the headless platform.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "game/core/App.h"
#include "game/core/Session.h"
#include "game/platform/HeadlessPlatform.h"
#include "support/StageText.h"
#include "tests/common/TestFiles.h"

namespace tarn::game::testing {

using ::tarn::testing::ScratchDir;

// A stage with a solid floor in rows 56..59 and the player standing on it at column 2.
StageFields FloorStage(double time = 150);

class ProgramFolder {
  public:
    ProgramFolder();
    const std::filesystem::path& root() const { return scratch_.path(); }
    // Writes an enciphered stage file into data/<folder>/<name>.tr2.
    void AddStage(const std::string& folder, const std::string& name, const StageFields& fields);
    // Writes an enciphered stage file holding exactly the given plain text.
    void AddStageText(const std::string& folder, const std::string& name, const std::string& text);
    void AddStageFolder(const std::string& folder);
    // Settings: frame rate (10..90) and colour depth (8 or 16).
    void WriteSettings(int fps, int depth, bool lowSpec = false);
    void Remove(const std::filesystem::path& relative);

  private:
    ScratchDir scratch_;
};

// Collects every message the game shows.
class MessageLog {
  public:
    MessageLog();
    ~MessageLog();
    std::vector<std::string> messages;
    std::string All() const;
};

// A headless platform whose polls can deliver events chosen by the test, and that may
// pretend to have a keyboard (not headless) for the pause.
class ScriptedPlatform : public HeadlessPlatform {
  public:
    std::function<void(std::uint64_t poll, std::vector<InputEvent>& events)> onPoll;
    bool pretendWindow = false;
    std::function<void()> onClock;

    void PollEvents(std::vector<InputEvent>& events) override {
        HeadlessPlatform::PollEvents(events);
        if (onPoll) {
            onPoll(polls, events);
        }
    }
    std::uint32_t Clock() override {
        if (onClock) {
            onClock();
        }
        return HeadlessPlatform::Clock();
    }
    bool Headless() const override { return !pretendWindow; }
};

struct RunResult {
    int status = 0;
    std::string dump;
};

// Runs the game on the folder with the options (root and headless filled in).
RunResult RunHeadless(const ProgramFolder& folder, Options options, Platform* platform = nullptr,
                      const std::function<void(Session&)>& prepare = {},
                      const std::function<void(Session&)>& finish = {}, bool lowSpec = false);

// Writes a replay file and returns its path.
std::filesystem::path WriteReplay(const ProgramFolder& folder, const std::string& text);

}  // namespace tarn::game::testing
