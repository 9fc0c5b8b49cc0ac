// A small harness that plays the frame body on a purpose-built stage: a stage drawn as
// rows of chip characters, a recording fake of the frame services, scripted keys.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "assets/BuiltinArt.h"
#include "game/core/Rules.h"
#include "game/core/StageMaps.h"

namespace tarn::game::testing {

// Records every request the rules make of the outside world.
class RecordingServices : public FrameServices {
  public:
    struct Printed {
        int x, y;
        std::string text;
    };
    std::uint32_t now = 1000;
    std::vector<std::pair<SoundId, SoundOp>> sounds;
    std::vector<Printed> printed;

    std::uint32_t Clock() override { return now; }
    void Sound(SoundId id, SoundOp op) override { sounds.emplace_back(id, op); }
    void PrintOnPBuffer(int x, int y, std::string_view text) override {
        printed.push_back({x, y, std::string(text)});
    }

    int Count(SoundId id, SoundOp op) const;
};

// Fills the state's stage through the loader's own FillMaps: rows of chip characters
// ("0".."9", "A".."N"), top row first, each padded with "0" to 200 cells; missing rows are
// empty. Object codes become objects (with doubled steps when state.lowSpec is set) and
// leave 0 behind.
void BuildStage(GameState& state, const std::vector<std::string>& rows);

// Plain 16 x 16 pictures for every chip, object and the player mask.
art::BuiltinPictures TestPictures();

class Scenario {
  public:
    explicit Scenario(const std::vector<std::string>& rows, bool lowSpec = false);

    // Puts the player at a cell (column, row) or at pixels.
    Scenario& PlaceAtCell(int column, int row);
    Scenario& PlaceAt(int x, int y);

    // Keys held from now on until released.
    Scenario& Hold(int code);
    Scenario& Release(int code);
    Scenario& ReleaseAll();

    // Runs up to n frame bodies, stopping when the outcome is set. After each frame the
    // observer (if any) sees the state. Returns the frames run.
    int Run(int n);
    // Runs until the predicate holds after a frame, at most `limit` frames; true if it held.
    bool RunUntil(const std::function<bool(const GameState&)>& done, int limit);

    GameState state;
    Layers layers;
    art::BuiltinPictures pictures;
    RecordingServices services;
    std::function<void(const GameState&)> observer;
    int framesRun = 0;
    // The lives after every frame that changed them, as the status strip then shows them.
    std::vector<std::int32_t> livesShown;

    Player& player() { return state.player; }
    Outcome outcome() const { return state.loop.outcome; }

  private:
    FrameContext Context();
};

inline constexpr int kRight = 39, kLeft = 37, kJump = 38, kDash = 90, kGiveUp = 71, kPower = 88;

}  // namespace tarn::game::testing
