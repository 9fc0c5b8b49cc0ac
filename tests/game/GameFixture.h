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

namespace tarn::game::testing {

// A fresh folder below the temporary folder, removed with everything in it.
class Scratch {
  public:
    Scratch();
    ~Scratch();
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

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
    Scratch scratch_;
};

// The texts of the messages, one a line.
std::string AllTexts(const std::vector<UserMessage>& messages);

// A headless platform whose polls can deliver events chosen by the test, as a person at
// the keys would press them (run it with PlatformInput::Person::AtTheKeys for that).
class ScriptedPlatform : public HeadlessPlatform {
  public:
    std::function<void(std::uint64_t poll, std::vector<InputEvent>& events)> onPoll;
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
};

struct RunResult {
    int status = 0;
    std::string dump;
    std::vector<UserMessage> messages;  // what the game showed the player
};

// Runs the game on the folder with the options (root and headless filled in), taking the
// platform's events as its live input: by default nobody sits at the keys.
RunResult RunHeadless(const ProgramFolder& folder, Options options,
                      HeadlessPlatform* platform = nullptr,
                      const std::function<void(Game&)>& prepare = {},
                      const std::function<void(Game&)>& finish = {}, bool lowSpec = false,
                      PlatformInput::Person person = PlatformInput::Person::Nobody);

// Writes a replay file and returns its path.
std::filesystem::path WriteReplay(const ProgramFolder& folder, const std::string& text);

}  // namespace tarn::game::testing
