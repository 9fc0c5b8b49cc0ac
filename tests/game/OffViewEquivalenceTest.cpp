// Skipping the work on objects far from the view changes nothing that can be seen or
// played: every shipped replay runs once with the skipping and once composing every
// object every frame, and every presented picture and every frame's state must agree.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "game/core/App.h"
#include "game/core/Game.h"
#include "game/core/StateDump.h"
#include "game/platform/HeadlessPlatform.h"

namespace tarn::game::testing {
namespace {

std::size_t HashOf(const Surface& surface) {
    const auto pixels = surface.Pixels();
    return std::hash<std::string_view>{}(std::string_view(
        reinterpret_cast<const char*>(pixels.data()), pixels.size() * sizeof(std::uint32_t)));
}

// A headless platform that looks at every present: the view at the display's depth and
// the status strip.
class WatchingPlatform : public HeadlessPlatform {
  public:
    void Present(ShownFrame& frame) override {
        HeadlessPlatform::Present(frame);
        pictures.push_back(HashOf(frame.ViewAtDepth()) ^ (HashOf(frame.Strip()) << 1));
    }
    std::vector<std::size_t> pictures;
};

// Notes every frame's state, then hands the frame to the replay.
class StateWatch : public FrameObserver {
  public:
    explicit StateWatch(FrameObserver* next) : next_(next) {}
    bool AfterFrame(std::uint64_t frame, const GameState& state) override {
        states.push_back(StateChecksum(state));
        return next_ == nullptr || next_->AfterFrame(frame, state);
    }
    std::vector<std::uint64_t> states;

  private:
    FrameObserver* next_;
};

struct Recorded {
    int status = -1;
    std::string dump;
    std::vector<std::size_t> pictures;
    std::vector<std::uint64_t> states;
};

struct ShippedReplay {
    std::filesystem::path file;
    std::string stage;
    bool lowSpec = false;
};

std::filesystem::path SourceDir() {
    const char* dir = std::getenv("TARN_SOURCE_DIR");
    return dir != nullptr ? dir : ".";
}

// The frame a stage replay names in its "# clears at frame N" line; 0 for none.
std::uint64_t ClearFrame(const std::filesystem::path& file) {
    std::ifstream in(file);
    const std::string mark = "# clears at frame ";
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(mark, 0) == 0) {
            return std::stoull(line.substr(mark.size()));
        }
    }
    return 0;
}

Recorded Play(const ShippedReplay& replay, bool skipOffView) {
    const char* program = std::getenv("TARN_PROGRAM_DIR");
    Options options;
    options.root = program != nullptr ? program : ".";
    options.headless = true;
    options.stage = replay.stage;
    options.replay = replay.file;
    options.dumpState = true;
    if (const std::uint64_t frames = ClearFrame(replay.file); frames > 0) {
        options.frames = frames;
    }
    WatchingPlatform platform;
    PlatformInput nobody(platform, PlatformInput::Person::Nobody);
    std::unique_ptr<StateWatch> watch;
    std::ostringstream out;
    Recorded run;
    run.status =
        RunGame(options, platform, nobody, ProgramInfo{replay.lowSpec}, out, [&](Game& game) {
            game.layers.kept.allowed = skipOffView;
            watch = std::make_unique<StateWatch>(game.run.observer);
            game.run.observer = watch.get();
        });
    run.dump = out.str();
    run.pictures = std::move(platform.pictures);
    if (watch) {
        run.states = std::move(watch->states);
    }
    return run;
}

std::vector<ShippedReplay> ShippedReplays() {
    const auto stages = SourceDir() / "assets" / "stages" / "replays";
    const auto flows = SourceDir() / "tests" / "rules" / "replays";
    return {
        {stages / "1-1.rpl", "1-1"},          {stages / "1-2.rpl", "1-2"},
        {stages / "1-2-goal2.rpl", "1-2"},    {stages / "1-3.rpl", "1-3"},
        {stages / "1-4.rpl", "1-4"},          {stages / "low" / "1-1.rpl", "1-1", true},
        {flows / "f11-game-over.rpl", "1-1"}, {flows / "give-up-until-game-over.rpl", "1-1"},
    };
}

void PrintTo(const ShippedReplay& replay, std::ostream* out) {
    *out << replay.file.filename() << (replay.lowSpec ? " (low spec)" : "");
}

class OffViewEquivalence : public ::testing::TestWithParam<ShippedReplay> {};

TEST_P(OffViewEquivalence, EveryPresentAndEveryFrameMatchTheFullComposition) {
    const ShippedReplay& replay = GetParam();
    ASSERT_TRUE(std::filesystem::exists(replay.file)) << replay.file;
    const Recorded reference = Play(replay, false);
    const Recorded skipping = Play(replay, true);
    ASSERT_EQ(reference.status, 0) << reference.dump;
    EXPECT_EQ(skipping.status, 0);
    EXPECT_EQ(skipping.dump, reference.dump);
    ASSERT_GT(reference.pictures.size(), 10u);
    ASSERT_EQ(skipping.pictures.size(), reference.pictures.size());
    for (std::size_t i = 0; i < reference.pictures.size(); ++i) {
        ASSERT_EQ(skipping.pictures[i], reference.pictures[i]) << "present " << i + 1;
    }
    ASSERT_EQ(skipping.states.size(), reference.states.size());
    for (std::size_t i = 0; i < reference.states.size(); ++i) {
        ASSERT_EQ(skipping.states[i], reference.states[i]) << "frame " << i + 1;
    }
}

std::string ReplayName(const ::testing::TestParamInfo<ShippedReplay>& param) {
    std::string name = param.param.file.stem().string() + (param.param.lowSpec ? "_low" : "");
    for (char& c : name) {
        if (c == '-') {
            c = '_';
        }
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(ShippedReplays, OffViewEquivalence, ::testing::ValuesIn(ShippedReplays()),
                         ReplayName);

}  // namespace
}  // namespace tarn::game::testing
