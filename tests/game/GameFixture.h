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
#include "game/core/Game.h"
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

// The texts of the messages, one a line.
std::string AllTexts(const std::vector<UserMessage>& messages);

// Keys pressed by a scripted person at the keys: each poll (counted from 1) adds the
// events the test chooses, knowing the frame that will see them.
class ScriptedKeys : public InputSource {
  public:
    std::function<void(std::uint64_t poll, std::uint64_t frame, std::vector<InputEvent>& events)>
        onPoll;

    void Poll(std::uint64_t frame, std::vector<InputEvent>& events) override {
        ++polls_;
        if (onPoll) {
            onPoll(polls_, frame, events);
        }
    }
    bool InputCanArrive() const override { return true; }
    bool InputDueBefore(std::uint64_t) const override { return true; }

  private:
    std::uint64_t polls_ = 0;
};

// A headless platform that lets the test look at every clock reading.
class ScriptedPlatform : public HeadlessPlatform {
  public:
    std::function<void()> onClock;

    std::uint32_t Clock() override {
        if (onClock) {
            onClock();
        }
        return HeadlessPlatform::Clock();
    }
};

struct RunResult {
    int status = 0;
    std::string dump;
    std::vector<UserMessage> messages;  // what the game showed the player
};

// Runs the game on the folder with the options (root and headless filled in). The live
// input is `input`, or else the platform's events with nobody at the keys. The folder is
// a portable program folder unless `paths` says otherwise.
RunResult RunHeadless(const ProgramFolder& folder, Options options,
                      HeadlessPlatform* platform = nullptr,
                      const std::function<void(Game&)>& prepare = {},
                      const std::function<void(Game&)>& finish = {}, bool lowSpec = false,
                      InputSource* input = nullptr, const ProgramPaths* paths = nullptr);

// Writes a replay file and returns its path.
std::filesystem::path WriteReplay(const ProgramFolder& folder, const std::string& text);

}  // namespace tarn::game::testing
