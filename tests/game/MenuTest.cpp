// The title menu driven by replay scripts on the headless platform.
#include <gtest/gtest.h>

#include <algorithm>

#include "GameFixture.h"
#include "game/core/StateDump.h"

namespace tarn::game::testing {
namespace {

struct MenuRun {
    int status = 0;
    int configNo = 0;
    int colorDepth = 0;
    int platformDepth = 0;
    int stageDirNo = 0;
    std::string stageDir;
    std::string currentStage;
    int lives = 0;
    std::uint64_t frames = 0;
    std::uint8_t keyJump = 0;
    std::string shown;  // the texts of the messages the game showed
};

class MenuTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.AddStage("a", "1-1", FloorStage());
        folder.AddStage("b", "1-1", FloorStage());
        folder.AddStage("c", "1-1", FloorStage());
    }

    MenuRun RunMenu(const std::string& script, std::uint64_t frames,
                    HeadlessPlatform* shownOn = nullptr) {
        Options options;
        options.frames = frames;
        options.replay = WriteReplay(folder, script);
        HeadlessPlatform headless;
        HeadlessPlatform& platform = shownOn != nullptr ? *shownOn : headless;
        MenuRun run;
        const RunResult result = RunHeadless(folder, options, &platform, {}, [&](Game& s) {
            run.configNo = s.state.ConfigNo;
            run.colorDepth = s.state.ColorDepth;
            run.stageDirNo = s.folders.StageDirNo;
            run.stageDir = s.folders.StageDir.parent_path().filename().string();
            run.currentStage = s.state.stage.CurrentStage;
            run.lives = s.state.counters.Lives;
            run.frames = s.run.framesRun;
            run.keyJump = s.state.bindings.KeyJump;
        });
        run.status = result.status;
        run.shown = AllTexts(result.messages);
        run.platformDepth = platform.colorDepth;
        return run;
    }

    ProgramFolder folder;
};

// Holds a key for one frame, then releases it: "F KEY\nF+1\n".
std::string Tap(int frame, int key) {
    return std::to_string(frame) + " " + std::to_string(key) + "\n" + std::to_string(frame + 1) +
           "\n";
}

TEST_F(MenuTest, UpFromStartWrapsToTheStageFolderItem) {
    const MenuRun run = RunMenu(Tap(2, 38) + Tap(4, 13), 8);
    EXPECT_EQ(run.stageDirNo, 2);
    EXPECT_EQ(run.stageDir, "b");
}

TEST_F(MenuTest, StageFoldersWrapAfterTheLast) {
    const MenuRun run = RunMenu(Tap(2, 38) + Tap(4, 13) + Tap(6, 13) + Tap(8, 13), 12);
    EXPECT_EQ(run.stageDirNo, 1);
    EXPECT_EQ(run.stageDir, "a");
}

TEST_F(MenuTest, DownFiveTimesReturnsToStart) {
    std::string script;
    for (int i = 0; i < 5; ++i) {
        script += Tap(2 + 2 * i, 40);
    }
    script += "12 13\n";
    const MenuRun run = RunMenu(script, 14);
    EXPECT_EQ(run.currentStage, "1-1");
    EXPECT_EQ(run.lives, 5);
}

TEST_F(MenuTest, ConfigurationCyclesThroughFiveAndWraps) {
    std::string script = Tap(2, 40) + Tap(4, 40);
    for (int i = 0; i < 7; ++i) {
        script += Tap(6 + 2 * i, 13);
    }
    EXPECT_EQ(RunMenu(script, 22).configNo, 2);
}

TEST_F(MenuTest, ColourItemTogglesTheDepthAndTheDisplay) {
    const std::string toItem = Tap(2, 40) + Tap(4, 40) + Tap(6, 40);
    const MenuRun once = RunMenu(toItem + Tap(8, 13), 12);
    EXPECT_EQ(once.colorDepth, 8);
    EXPECT_EQ(once.platformDepth, 8);
    const MenuRun twice = RunMenu(toItem + Tap(8, 13) + Tap(10, 13), 14);
    EXPECT_EQ(twice.colorDepth, 16);
    EXPECT_EQ(twice.platformDepth, 16);
}

TEST_F(MenuTest, StartTakesTheBindingsOfTheChosenConfiguration) {
    folder.WriteSettings(60, 16);
    const MenuRun run = RunMenu("2 13\n", 10);
    EXPECT_EQ(run.currentStage, "1-1");
    EXPECT_EQ(run.lives, 5);
    EXPECT_EQ(run.keyJump, 38);
}

TEST_F(MenuTest, F2EndsTheProgram) {
    const MenuRun run = RunMenu("2 113\n", 100);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.frames, 2u);
    EXPECT_EQ(run.currentStage, "");
}

TEST_F(MenuTest, ReleasingF12EndsTheProgram) {
    const MenuRun run = RunMenu("2 123\n5\n", 100);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.frames, 4u);
}

TEST_F(MenuTest, HeadlessMenuWithoutInputEndsInsteadOfWaiting) {
    Options options;
    const RunResult result = RunHeadless(folder, options);
    EXPECT_EQ(result.status, 0);
}

TEST_F(MenuTest, MissingTitlePictureEndsWithAMessage) {
    folder.Remove("bg.jpg");
    const MenuRun run = RunMenu("2 13\n", 10);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.shown.find("bg.jpg"), std::string::npos);
}

// The first key press stops the title music `op` and enters the title menu anew; the key
// stays held into the new menu, so a first Down moves its cursor to END.
TEST_F(MenuTest, FirstKeyPressStopsOpOnceAndReentersTheMenuKeepingItsKey) {
    HeadlessPlatform platform;
    ScriptedKeys keys;
    keys.onPoll = [](std::uint64_t poll, std::uint64_t, std::vector<InputEvent>& events) {
        const std::pair<std::uint64_t, InputEvent> script[] = {
            {5, {InputEvent::Type::KeyDown, 40}},  {8, {InputEvent::Type::KeyUp, 40}},
            {12, {InputEvent::Type::KeyDown, 40}}, {15, {InputEvent::Type::KeyUp, 40}},
            {18, {InputEvent::Type::KeyDown, 38}}, {21, {InputEvent::Type::KeyUp, 38}},
            {24, {InputEvent::Type::KeyDown, 13}}};
        for (const auto& [at, event] : script) {
            if (poll == at) {
                events.push_back(event);
            }
        }
    };
    Options options;
    options.frames = 200;
    int phases = 0;
    std::uint64_t frames = 0;
    bool quit = false;
    RunHeadless(
        folder, options, &platform, [&](Game& s) { s.run.phaseProbe = [&] { ++phases; }; },
        [&](Game& s) {
            frames = s.run.framesRun;
            quit = s.run.quitRequested;
        },
        false, &keys);
    EXPECT_EQ(phases, 2);  // the first menu and the one the first key entered
    EXPECT_EQ(std::count(platform.sounds.begin(), platform.sounds.end(),
                         SoundRequest{SoundId::op, SoundOp::Stop}),
              1);
    // Down (END), Down (configuration), Up (END), Enter: the program ends.
    EXPECT_TRUE(quit);
    EXPECT_LT(frames, 200u);
}

// Counts the texts printed on the view.
class CountingPlatform : public HeadlessPlatform {
  public:
    class Counting : public TextPainter {
      public:
        explicit Counting(TextPainter& inner) : inner_(inner) {}
        int LineHeight(int points) override { return inner_.LineHeight(points); }
        int TextWidth(std::string_view text, int points) override {
            return inner_.TextWidth(text, points);
        }
        int Draw(Surface& target, int x, int y, std::string_view text, int points,
                 std::uint32_t color) override {
            return inner_.Draw(target, x, y, text, points, color);
        }
        int DrawOutlined(Surface& target, int x, int y, std::string_view text, int points,
                         std::uint32_t color, std::uint32_t outline) override {
            ++printed;
            return inner_.DrawOutlined(target, x, y, text, points, color, outline);
        }
        int printed = 0;

      private:
        TextPainter& inner_;
    };
    TextPainter& Text() override { return counting; }
    Counting counting{HeadlessPlatform::Text()};
};

TEST_F(MenuTest, TheMenuPrintsItsLinesAgainOnlyWhenOneOfThemChanges) {
    CountingPlatform shorter, longer, moved;
    RunMenu(Tap(100, 40), 10, &shorter);
    RunMenu(Tap(100, 40), 30, &longer);
    EXPECT_GT(shorter.counting.printed, 0);
    EXPECT_EQ(longer.counting.printed, shorter.counting.printed);
    RunMenu(Tap(12, 40), 30, &moved);
    EXPECT_GT(moved.counting.printed, shorter.counting.printed);
}

}  // namespace
}  // namespace tarn::game::testing
