// Skipping the work that cannot change what is seen changes nothing that can be seen or
// played: every shipped replay runs once with the skipping (objects far from the view,
// a view drawn and converted again unchanged) and once doing all of it every frame, and
// every presented picture and every frame's state must agree.
#include <gtest/gtest.h>

#include <algorithm>
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
#include "support/ProgramPaths.h"

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

Recorded Play(const ShippedReplay& replay, bool skipUnseenWork) {
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
    run.status = RunGame(options, PortablePaths(options.root), platform, nobody,
                         ProgramInfo{replay.lowSpec}, out, [&](Game& game) {
                             game.layers.kept.allowed = skipUnseenWork;
                             game.screen.reuseUnchangedView = skipUnseenWork;
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

// Every stage replay of every shipped stage folder (<folder>/replays/<stage>[-goal2].rpl,
// and the low-spec build's in replays/low/), and the flow replays of the first stage.
std::vector<ShippedReplay> ShippedReplays() {
    const char* program = std::getenv("TARN_PROGRAM_DIR");
    const std::filesystem::path data =
        std::filesystem::path(program != nullptr ? program : ".") / "data";
    const auto flows = SourceDir() / "tests" / "rules" / "replays";
    std::vector<ShippedReplay> replays;
    std::error_code error;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(SourceDir() / "assets" / "stages", error)) {
        const std::filesystem::path& file = entry.path();
        if (file.extension() != ".rpl") {
            continue;
        }
        const bool lowSpec = file.parent_path().filename() == "low";
        const auto folder = (lowSpec ? file.parent_path().parent_path() : file.parent_path())
                                .parent_path()
                                .filename();
        const std::string stage = file.stem().string().substr(0, 3);
        replays.push_back({file, (data / folder / (stage + ".tr2")).string(), lowSpec});
    }
    std::sort(replays.begin(), replays.end(),
              [](const ShippedReplay& a, const ShippedReplay& b) { return a.file < b.file; });
    replays.push_back({flows / "f11-game-over.rpl", "1-1"});
    replays.push_back({flows / "give-up-until-game-over.rpl", "1-1"});
    replays.push_back({flows / "title-menu-then-f11.rpl", ""});
    return replays;
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
    const auto& file = param.param.file;
    const bool stageReplay = file.parent_path().filename() != "replays" ||
                             file.parent_path().parent_path().filename() != "rules";
    const auto folder = param.param.lowSpec ? file.parent_path().parent_path().parent_path()
                                            : file.parent_path().parent_path();
    std::string name = (stageReplay ? folder.filename().string() + "_" : std::string()) +
                       file.stem().string() + (param.param.lowSpec ? "_low" : "");
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
