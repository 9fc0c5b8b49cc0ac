// The stage loader: maps, object table, start position, sounds and damaged input.
#include <gtest/gtest.h>

#include <fstream>

#include "GameFixture.h"
#include "assets/BuiltinArt.h"
#include "game/core/StageLoader.h"
#include "support/BinAngsDL.h"
#include "support/PictureFile.h"
#include "support/UserText.h"

namespace tarn::game::testing {
namespace {

class RecordingServices : public FrameServices {
  public:
    std::uint32_t Clock() override { return 0; }
    void Sound(SoundId id, SoundOp op) override { sounds.push_back({id, op}); }
    void PrintOnPBuffer(int, int, std::string_view) override {}
    std::vector<SoundRequest> sounds;
};

class FillStageTest : public ::testing::Test {
  protected:
    void Fill(const StageFields& fields, bool lowSpec = false) {
        state.lowSpec = lowSpec;
        layers.MainV.Reset(kMapWidth, kMapHeight);
        layers.MainMask.Reset(kMapWidth, kMapHeight, kWhite);
        FillStage(state, layers, art::Builtin(), services, ReadGameStage(WriteStageText(fields)));
    }
    GameState state;
    Layers layers;
    RecordingServices services;
};

TEST_F(FillStageTest, ObjectsAreNumberedRowByRowLeftToRight) {
    StageFields f = FloorStage();
    f.map[10][50] = 12;
    f.map[10][20] = 14;
    f.map[5][100] = 6;
    Fill(f);
    ASSERT_EQ(state.stage.ObjCount, 3);
    EXPECT_EQ(state.stage.ObjX[0], 1600);
    EXPECT_EQ(state.stage.ObjY[0], 80);
    EXPECT_EQ(state.stage.ObjKind[1], ObjectKind::WalkingEnemy);
    EXPECT_EQ(state.stage.ObjX[1], 320);
    EXPECT_EQ(state.stage.ObjKind[2], ObjectKind::HorizontalEnemy);
    EXPECT_EQ(state.stage.ObjX[2], 800);
    EXPECT_EQ(state.stage.ObjKind.size(), 5u);
    EXPECT_EQ(state.stage.Chip(50, 10), 0);
}

TEST_F(FillStageTest, DownVariantsBecomeLiftAndSpikeKindsWithNegativeSteps) {
    StageFields f = FloorStage();
    f.map[3][1] = 17;
    f.map[3][2] = 18;
    f.map[3][3] = 7;
    f.map[3][4] = 9;
    Fill(f);
    ASSERT_EQ(state.stage.ObjCount, 4);
    EXPECT_EQ(state.stage.ObjKind[0], ObjectKind::VerticalLift);
    EXPECT_EQ(state.stage.ObjDY[0], -2);
    EXPECT_EQ(state.stage.ObjKind[1], ObjectKind::VerticalSpike);
    EXPECT_EQ(state.stage.ObjDY[1], -2);
    EXPECT_EQ(state.stage.ObjKind[2], ObjectKind::VerticalLift);
    EXPECT_EQ(state.stage.ObjDY[2], 2);
    EXPECT_EQ(state.stage.ObjKind[3], ObjectKind::VerticalSpike);
}

TEST_F(FillStageTest, LowSpecDoublesEveryStep) {
    StageFields f = FloorStage();
    f.map[3][1] = 17;
    f.map[3][2] = 11;
    Fill(f, true);
    EXPECT_EQ(state.stage.ObjDY[0], -4);
    EXPECT_EQ(state.stage.ObjDX[1], 2);
    EXPECT_EQ(state.stage.ObjDY[1], 2);
}

TEST_F(FillStageTest, StageWithoutObjectsKeepsTwoSpareEntries) {
    Fill(FloorStage());
    EXPECT_EQ(state.stage.ObjCount, 0);
    EXPECT_EQ(state.stage.ObjX.size(), 2u);
}

TEST_F(FillStageTest, ShortRowsEndWithMarkersAndStopTheScan) {
    std::string text = WriteStageText(FloorStage());
    // Cut map row 10 (file line 16) to 150 characters and put an object past its end.
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    lines[15] = std::string(150, '0');
    std::string rebuilt;
    for (const auto& l : lines) {
        rebuilt += l + "\r\n";
    }
    layers.MainV.Reset(kMapWidth, kMapHeight);
    layers.MainMask.Reset(kMapWidth, kMapHeight, kWhite);
    FillStage(state, layers, art::Builtin(), services, ReadGameStage(rebuilt));
    EXPECT_EQ(state.stage.Chip(149, 10), 0);
    EXPECT_EQ(state.stage.Chip(150, 10), -1);
    EXPECT_EQ(state.stage.Chip(200, 10), -1);
    EXPECT_EQ(state.stage.Chip(5, 60), -1);
    EXPECT_EQ(state.stage.Chip(199, 59), 2);
    EXPECT_FALSE(state.stage.Passable(3, 57));
}

TEST_F(FillStageTest, EveryHiddenExtraLifeCellAsksForItsSoundWithoutRewinding) {
    StageFields f = FloorStage();
    f.map[4][4] = 22;
    f.map[4][8] = 22;
    f.map[20][8] = 22;
    Fill(f);
    const std::vector<SoundRequest> expected(3, SoundRequest{SoundId::oneUp, SoundOp::Play});
    EXPECT_EQ(services.sounds, expected);
}

TEST_F(FillStageTest, SolidCodesBlockAndItemsDoNot) {
    StageFields f = FloorStage();
    f.map[4][1] = 1;
    f.map[4][2] = 21;
    f.map[4][3] = 23;
    f.map[4][4] = 5;
    f.map[4][5] = 10;
    Fill(f);
    EXPECT_TRUE(state.stage.Solid(1, 4));
    EXPECT_TRUE(state.stage.Solid(2, 4));
    EXPECT_TRUE(state.stage.Solid(3, 4));
    EXPECT_TRUE(state.stage.Passable(4, 4));
    EXPECT_TRUE(state.stage.Passable(5, 4));
    EXPECT_NE(layers.MainV.Pixels()[std::size_t(4 * 16 + 8) * kMapWidth + 4 * 16 + 8], kBlack);
}

// Whole loads through the game.
class ReadDataTest : public ::testing::Test {
  protected:
    struct Loaded {
        int status = 0;
        Player player;
        std::string stage;
        std::string caption;
        std::vector<UserMessage> messages;
        std::string shown;  // the texts of the messages
    };
    Loaded Load(const std::string& stage) {
        Options options;
        options.stage = stage;
        options.frames = 0;
        Loaded loaded;
        const RunResult result = RunHeadless(folder, options, nullptr, {}, [&](Game& s) {
            loaded.player = s.state.player;
            loaded.stage = s.state.stage.CurrentStage;
            loaded.caption = s.screen.strip.StageText();
        });
        loaded.status = result.status;
        loaded.messages = result.messages;
        loaded.shown = AllTexts(result.messages);
        return loaded;
    }
    ProgramFolder folder;
};

TEST_F(ReadDataTest, StartPositionIsColumnAndRowTimesSixteenRoundedHalfToEven) {
    StageFields f = FloorStage();
    f.startColumnIndex = 3;
    f.startRowIndex = 55;
    folder.AddStage("a", "1-1", f);
    const Loaded loaded = Load("1-1");
    EXPECT_EQ(loaded.status, 0);
    EXPECT_EQ(loaded.player.PlayerX, 48);
    EXPECT_EQ(loaded.player.PlayerY, 880);
    EXPECT_EQ(loaded.caption, "1-1:Floor");
}

TEST_F(ReadDataTest, MissingStageFileEndsAStageRunWithTheContainersMessage) {
    folder.AddStage("a", "1-1", FloorStage());
    const Loaded loaded = Load("9-9");
    EXPECT_EQ(loaded.status, 1);
    ASSERT_EQ(loaded.messages.size(), 1u);
    EXPECT_EQ(loaded.messages[0].text,
              "ファイルが見つかりません\r\n" + (folder.root() / "data" / "a" / "9-9.tr2").string());
    EXPECT_EQ(loaded.messages[0].title, "");
}

TEST_F(ReadDataTest, DamagedStageFileGivesAMessageNotACrash) {
    folder.AddStageFolder("a");
    std::ofstream(folder.root() / "data" / "a" / "1-1.tr2", std::ios::binary) << "\x37";
    const Loaded loaded = Load("1-1");
    EXPECT_EQ(loaded.status, 1);
    EXPECT_FALSE(loaded.messages.empty());
}

TEST_F(ReadDataTest, GarbageStageTextGivesAMessageNotACrash) {
    folder.AddStageFolder("a");
    std::string garbage(5000, '\0');
    for (std::size_t i = 0; i < garbage.size(); ++i) {
        garbage[i] = char((i * 7919) % 251);
    }
    std::ofstream(folder.root() / "data" / "a" / "1-1.tr2", std::ios::binary) << garbage;
    const Loaded loaded = Load("1-1");
    EXPECT_EQ(loaded.status, 1);
    EXPECT_FALSE(loaded.messages.empty());
}

TEST_F(ReadDataTest, MissingBackgroundPictureIsNamed) {
    StageFields f = FloorStage();
    f.background = "nowhere.bmp";
    folder.AddStage("a", "1-1", f);
    const Loaded loaded = Load("1-1");
    EXPECT_EQ(loaded.status, 1);
    EXPECT_NE(loaded.shown.find("nowhere.bmp"), std::string::npos);
}

TEST_F(ReadDataTest, BackgroundOutsideTheBmpFolderIsADamagedStage) {
    // Real pictures wait where each name would lead if it were taken as a path.
    (void)SaveBmp(folder.root() / "outside.bmp", Surface(32, 32, kWhite));
    const std::string names[] = {"../outside.bmp", (folder.root() / "outside.bmp").string(),
                                 "..\\outside.bmp", std::string("tile.bmp\0x", 10), ".."};
    for (const std::string& name : names) {
        StageFields f = FloorStage();
        f.background = name;
        folder.AddStage("a", "1-1", f);
        const Loaded loaded = Load("1-1");
        EXPECT_EQ(loaded.status, 1) << Excerpt(name);
        EXPECT_NE(loaded.shown.find("is damaged"), std::string::npos) << Excerpt(name);
    }
}

TEST_F(ReadDataTest, NextStageOutsideTheStageFolderIsADamagedStage) {
    folder.AddStage("b", "x", FloorStage());
    const std::string names[] = {"../b/x", (folder.root() / "data" / "b" / "x").string(),
                                 std::string("x\0", 2)};
    for (const std::string& name : names) {
        for (const bool goal2 : {false, true}) {
            StageFields f = FloorStage();
            (goal2 ? f.nextStage2 : f.nextStage) = name;
            folder.AddStage("a", "1-1", f);
            const Loaded loaded = Load("1-1");
            EXPECT_EQ(loaded.status, 1) << Excerpt(name);
            EXPECT_NE(loaded.shown.find(goal2 ? "is damaged: line 66: next stage after goal 2"
                                              : "is damaged: line 96: next stage after goal 1"),
                      std::string::npos)
                << loaded.shown;
        }
    }
}

TEST_F(ReadDataTest, OverlongStageNameIsADamagedStageWithAShortMessage) {
    StageFields f = FloorStage();
    f.stageName = std::string(1 << 20, 'n');
    folder.AddStage("a", "1-1", f);
    const Loaded loaded = Load("1-1");
    EXPECT_EQ(loaded.status, 1);
    EXPECT_NE(loaded.shown.find("is damaged: line 2: the line holds 1048576 bytes"),
              std::string::npos);
    EXPECT_LT(loaded.shown.size(), 300u);
    EXPECT_EQ(loaded.caption.find("nnnn"), std::string::npos);
}

TEST_F(ReadDataTest, StagePathSetsTheStageFolder) {
    folder.AddStage("a", "1-1", FloorStage());
    StageFields f = FloorStage();
    f.startColumnIndex = 7;
    folder.AddStage("b", "x", f);
    const Loaded loaded = Load((folder.root() / "data" / "b" / "x.tr2").string());
    EXPECT_EQ(loaded.status, 0);
    EXPECT_EQ(loaded.stage, "x");
    EXPECT_EQ(loaded.player.PlayerX, 112);
}

TEST_F(ReadDataTest, StagePathPlaysWithoutAnyStageFolder) {
    ScratchDir elsewhere;
    StageFields f = FloorStage();
    f.startColumnIndex = 5;
    const std::string text = WriteStageText(f);
    const auto path = elsewhere.path() / "test.tr2";
    ASSERT_EQ(WriteEncipheredFile(path, std::vector<std::uint8_t>(text.begin(), text.end())),
              ContainerStatus::Ok);
    const Loaded loaded = Load(path.string());
    EXPECT_EQ(loaded.status, 0) << loaded.shown;
    EXPECT_EQ(loaded.stage, "test");
    EXPECT_EQ(loaded.player.PlayerX, 80);
}

}  // namespace
}  // namespace tarn::game::testing
