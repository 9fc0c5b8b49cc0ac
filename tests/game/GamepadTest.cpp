// A gamepad drives the game through the keys its buttons stand for: the title menu, moving,
// jumping, dashing and the pause; a recorded gamepad run holds keys and replays exactly.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "GameFixture.h"
#include "game/core/GamepadKeys.h"
#include "game/core/RunControl.h"

namespace tarn::game::testing {
namespace {

// Presses (true) and releases (false) of pad buttons, delivered at the first poll for the
// frame they are set at (or a later one).
using PadPlan = std::multimap<std::uint64_t, std::pair<PadButton, bool>>;

class PadScript : public InputSource {
  public:
    explicit PadScript(PadPlan plan) : plan_(std::move(plan)) {}
    void Poll(std::uint64_t frame, std::vector<InputEvent>& events) override {
        ++polls_;
        while (!plan_.empty() && plan_.begin()->first <= frame) {
            const auto [button, down] = plan_.begin()->second;
            events.push_back(
                {down ? InputEvent::Type::PadDown : InputEvent::Type::PadUp, int(button)});
            plan_.erase(plan_.begin());
        }
        if (onPoll) {
            onPoll(frame, events);
        }
    }
    bool InputCanArrive() const override { return true; }
    bool InputDueBefore(std::uint64_t) const override { return true; }

    std::function<void(std::uint64_t frame, std::vector<InputEvent>& events)> onPoll;
    std::uint64_t polls() const { return polls_; }

  private:
    PadPlan plan_;
    std::uint64_t polls_ = 0;
};

// Holds a button over [from, to).
PadPlan Hold(PadButton button, std::uint64_t from, std::uint64_t to) {
    return {{from, {button, true}}, {to, {button, false}}};
}

PadPlan operator+(PadPlan a, const PadPlan& b) {
    a.insert(b.begin(), b.end());
    return a;
}

// What a played stage did, frame by frame.
struct Watched : FrameObserver {
    std::vector<Player> players;
    bool AfterFrame(std::uint64_t, const GameState& state) override {
        players.push_back(state.player);
        return true;
    }
};

class GamepadTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.AddStage("a", "1-1", FloorStage());
        folder.AddStage("b", "1-1", FloorStage());
        folder.AddStage("c", "1-1", FloorStage());
    }

    // Plays stage 1-1 for `frames` frames with the pad script.
    RunResult PlayStage(PadScript& pad, std::uint64_t frames, Options options = {}) {
        options.stage = "1-1";
        options.frames = frames;
        options.dumpState = true;
        return RunHeadless(
            folder, options, nullptr, [&](Game& game) { game.run.observer = &watched; },
            [&](Game& game) { bindings = game.state.bindings; }, false, &pad);
    }

    ProgramFolder folder;
    Watched watched;
    KeyBindings bindings;
};

TEST_F(GamepadTest, TheDpadAndTheBottomButtonDriveTheTitleMenu) {
    PadScript pad(Hold(PadButton::Up, 2, 3) + Hold(PadButton::South, 4, 5));
    Options options;
    options.frames = 8;
    int stageDirNo = 0;
    RunHeadless(
        folder, options, nullptr, {}, [&](Game& g) { stageDirNo = g.folders.StageDirNo; }, false,
        &pad);
    EXPECT_EQ(stageDirNo, 2) << "Up wrapped to the stage item, South chose it";
}

TEST_F(GamepadTest, TheRightButtonChoosesInTheMenuToo) {
    PadScript pad(Hold(PadButton::Down, 2, 3) + Hold(PadButton::Down, 4, 5) +
                  Hold(PadButton::East, 6, 7));
    Options options;
    options.frames = 10;
    int configNo = -1;
    RunHeadless(
        folder, options, nullptr, {}, [&](Game& g) { configNo = g.state.ConfigNo; }, false, &pad);
    EXPECT_EQ(configNo, 1);
}

TEST_F(GamepadTest, TheDpadMovesAndTheLeftButtonDashes) {
    PadScript walk(Hold(PadButton::Right, 2, 40));
    PlayStage(walk, 40);
    const int walked = watched.players.back().PlayerX - watched.players.front().PlayerX;
    EXPECT_GT(walked, 0);

    watched.players.clear();
    PadScript dash(Hold(PadButton::Right, 2, 40) + Hold(PadButton::West, 2, 40));
    PlayStage(dash, 40);
    const int dashed = watched.players.back().PlayerX - watched.players.front().PlayerX;
    EXPECT_GT(dashed, walked);

    watched.players.clear();
    PadScript back(Hold(PadButton::Left, 2, 40));
    PlayStage(back, 40);
    EXPECT_LT(watched.players.back().PlayerX, watched.players[10].PlayerX);
}

TEST_F(GamepadTest, TheBottomButtonJumps) {
    PadScript pad(Hold(PadButton::South, 5, 15));
    PlayStage(pad, 30);
    const int ground = watched.players.front().PlayerY;
    int highest = ground;
    for (const Player& p : watched.players) {
        highest = std::min(highest, p.PlayerY);
    }
    EXPECT_LT(highest, ground - 16);
    EXPECT_EQ(watched.players.back().PlayerY, ground) << "landed again";
}

TEST_F(GamepadTest, StartPausesUntilItIsPressedAgain) {
    PadScript pad(Hold(PadButton::Start, 10, 11));
    std::uint64_t pausedPolls = 0;
    pad.onPoll = [&](std::uint64_t frame, std::vector<InputEvent>& events) {
        if (frame == 11 && ++pausedPolls == 200) {
            events.push_back({InputEvent::Type::Quit, 0});
        }
    };
    PlayStage(pad, 30);
    EXPECT_EQ(watched.players.size(), 9u) << "frame 10 never finished";
    EXPECT_EQ(pausedPolls, 200u);
}

TEST_F(GamepadTest, StartResumesThePause) {
    PadScript pad(Hold(PadButton::Start, 10, 11));
    std::uint64_t pausedPolls = 0;
    pad.onPoll = [&](std::uint64_t frame, std::vector<InputEvent>& events) {
        if (frame != 11) {
            return;
        }
        ++pausedPolls;
        if (pausedPolls == 50) {
            events.push_back({InputEvent::Type::PadDown, int(PadButton::Start)});
        } else if (pausedPolls == 51) {
            events.push_back({InputEvent::Type::PadUp, int(PadButton::Start)});
        }
    };
    const RunResult run = PlayStage(pad, 30);
    EXPECT_EQ(watched.players.size(), 30u);
    EXPECT_GE(pausedPolls, 50u);
    EXPECT_NE(run.dump.find("\"frames\":30"), std::string::npos) << run.dump;
}

TEST_F(GamepadTest, ARecordedGamepadRunHoldsKeysAndReplaysIdentically) {
    const auto recording = folder.root() / "pad.rec";
    PadScript pad(Hold(PadButton::Right, 3, 60) + Hold(PadButton::West, 20, 50) +
                  Hold(PadButton::South, 30, 38) + Hold(PadButton::Left, 70, 90));
    Options record;
    record.record = recording;
    const RunResult recorded = PlayStage(pad, 120, record);
    ASSERT_EQ(recorded.status, 0);

    std::ifstream in(recording);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("+" + std::to_string(bindings.KeyRight)), std::string::npos);
    EXPECT_NE(text.str().find("+" + std::to_string(bindings.KeyJump)), std::string::npos);
    EXPECT_NE(text.str().find("+" + std::to_string(bindings.KeyDash)), std::string::npos);

    Options replay;
    replay.replay = recording;
    replay.stage = "1-1";
    replay.frames = 120;
    replay.dumpState = true;
    const RunResult replayed = RunHeadless(folder, replay);
    EXPECT_EQ(replayed.status, 0);
    EXPECT_EQ(replayed.dump, recorded.dump);
}

class NoSounds : public FrameServices {
  public:
    std::uint32_t Clock() override { return 0; }
    void Sound(SoundId, SoundOp) override {}
    void PrintOnPBuffer(int, int, std::string_view) override {}
};

// The source on its own: what each button stands for where the game is.
struct ModeFixture {
    ScriptedKeys keys;
    GamepadKeys pad{keys};
    GameState state;
    NoSounds sounds;
    RunControl run{pad, sounds};
};

TEST(GamepadKeysTest, ButtonsStandForTheKeysOfTheMenuPlayAndPause) {
    ModeFixture f;
    EXPECT_EQ(f.pad.KeyFor(PadButton::South), 0) << "nothing before a game is followed";
    f.pad.Follow(f.run, f.state);
    f.state.bindings = KeyBindings{70, 71, 72, 73, 74, 75};
    f.run.mode = InputMode::Menu;
    EXPECT_EQ(f.pad.KeyFor(PadButton::Up), 38);
    EXPECT_EQ(f.pad.KeyFor(PadButton::Down), 40);
    EXPECT_EQ(f.pad.KeyFor(PadButton::South), 13);
    EXPECT_EQ(f.pad.KeyFor(PadButton::East), 13);
    EXPECT_EQ(f.pad.KeyFor(PadButton::Left), 0);
    f.run.mode = InputMode::Play;
    EXPECT_EQ(f.pad.KeyFor(PadButton::Right), 70);
    EXPECT_EQ(f.pad.KeyFor(PadButton::Left), 71);
    EXPECT_EQ(f.pad.KeyFor(PadButton::West), 72);
    EXPECT_EQ(f.pad.KeyFor(PadButton::South), 73);
    EXPECT_EQ(f.pad.KeyFor(PadButton::Back), 74);
    EXPECT_EQ(f.pad.KeyFor(PadButton::North), 75);
    EXPECT_EQ(f.pad.KeyFor(PadButton::Start), 32);
    EXPECT_EQ(f.pad.KeyFor(PadButton::Up), 0);
    f.run.mode = InputMode::Pause;
    EXPECT_EQ(f.pad.KeyFor(PadButton::Start), 13);
    EXPECT_EQ(f.pad.KeyFor(PadButton::South), 0);
}

TEST(GamepadKeysTest, AReleaseLetsGoOfTheKeyThePressHeldOnceNoOtherButtonHoldsIt) {
    ModeFixture f;
    f.pad.Follow(f.run, f.state);
    std::vector<std::vector<InputEvent>> polls = {
        {{InputEvent::Type::PadDown, int(PadButton::South)}},
        {{InputEvent::Type::PadDown, int(PadButton::East)}, {InputEvent::Type::KeyDown, 65}},
        {{InputEvent::Type::PadUp, int(PadButton::South)}},
        {{InputEvent::Type::PadUp, int(PadButton::East)}},
    };
    f.keys.onPoll = [&](std::uint64_t poll, std::uint64_t, std::vector<InputEvent>& events) {
        events = polls[poll - 1];
    };
    std::vector<InputEvent> seen;
    f.pad.Poll(1, seen);
    EXPECT_EQ(seen, (std::vector<InputEvent>{{InputEvent::Type::KeyDown, 13}}));
    seen.clear();
    f.pad.Poll(2, seen);
    EXPECT_EQ(seen, (std::vector<InputEvent>{{InputEvent::Type::KeyDown, 13},
                                             {InputEvent::Type::KeyDown, 65}}))
        << "a fresh press of Enter (the menu consumes presses); other events pass";
    f.run.mode = InputMode::Play;  // the game started while both were held
    seen.clear();
    f.pad.Poll(3, seen);
    EXPECT_TRUE(seen.empty()) << "East still holds Enter";
    seen.clear();
    f.pad.Poll(4, seen);
    EXPECT_EQ(seen, (std::vector<InputEvent>{{InputEvent::Type::KeyUp, 13}}));
}

}  // namespace
}  // namespace tarn::game::testing
