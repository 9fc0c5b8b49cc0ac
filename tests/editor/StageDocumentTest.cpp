// Reading and writing stage files: the line formats, round trips with the game's reader
// and with encoded stages, and damaged or missing files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <utility>
#include <vector>

#include "StageFiles.h"
#include "editor/doc/StageDocument.h"
#include "tests/common/TestFiles.h"

namespace tarn::editor {
namespace {

using tarn::testing::ScratchDir;
using testing::ReadPlain;
using testing::WriteEnciphered;
using testing::WriteStage;

StageFields SampleFields() {
    StageFields fields;
    fields.background = "sky.bmp";
    fields.stageName = "はじまりの森";
    fields.startColumnIndex = 12;
    fields.startRowIndex = 40;
    fields.timeText = "250";
    fields.map[0][0] = 1;
    fields.map[59][199] = 23;
    fields.map[30][100] = 15;
    fields.nextStage = "1-2";
    fields.nextStage2 = "bonus";
    return fields;
}

TEST(StageDocumentState, ModifiedListenerHearsEachChangeOnce) {
    StageDocument doc;
    std::vector<bool> heard;
    doc.onModifiedChanged = [&heard](bool modified) { heard.push_back(modified); };
    doc.SetModified(true);
    doc.SetModified(true);
    doc.SetModified(false);
    doc.SetModified(true);
    doc.ResetForNew();
    EXPECT_EQ(heard, (std::vector<bool>{true, false, true, false}));
}

TEST(StageDocumentState, OpenKeepsTheFlagAndItsListener) {
    ScratchDir folder;
    WriteStage(folder.File("s.tr2"), SampleFields());
    StageDocument doc;
    int heard = 0;
    doc.onModifiedChanged = [&heard](bool) { ++heard; };
    doc.SetModified(true);
    ASSERT_FALSE(OpenF(doc, folder.File("s.tr2")));
    EXPECT_TRUE(doc.Modified());
    doc.SetModified(false);
    EXPECT_EQ(heard, 2);
}

TEST(StageDocumentState, WindowTitlePutsTheFileNameFirst) {
    StageDocument doc;
    EXPECT_EQ(doc.WindowTitle("[*]"), "無題[*] - Tarn2 NapEditer");
    doc.CurrentFile = "/stages/森/1-1.tr2";
    EXPECT_EQ(doc.DisplayName(), "1-1.tr2");
    EXPECT_EQ(doc.WindowTitle("*"), "1-1.tr2* - Tarn2 NapEditer - /stages/森/1-1.tr2");
}

TEST(StageDocumentSave, FreshDocumentWritesDefaultLines) {
    ScratchDir folder;
    StageDocument doc;
    ASSERT_FALSE(SaveF(doc, folder.File("a.tr2")));
    const StageLines lines = SplitStageLines(ReadPlain(folder.File("a.tr2")));
    ASSERT_EQ(lines.lines.size(), 96u);
    EXPECT_EQ(lines.Line(3), " 0");
    EXPECT_EQ(lines.Line(4), " 0");
    EXPECT_EQ(lines.Line(5), "150");
    for (int n = 6; n <= 65; ++n) {
        EXPECT_EQ(lines.Line(n), std::string(200, '0'));
    }
    for (int n = 67; n <= 95; ++n) {
        EXPECT_EQ(lines.Line(n), "0");
    }
}

TEST(StageDocumentSave, EmptyGoalFieldsBecomeNoneInFileAndFields) {
    ScratchDir folder;
    StageDocument doc;
    ASSERT_FALSE(SaveF(doc, folder.File("a.tr2")));
    const StageLines lines = SplitStageLines(ReadPlain(folder.File("a.tr2")));
    EXPECT_EQ(lines.Line(66), "NONE");
    EXPECT_EQ(lines.Line(96), "NONE");
    EXPECT_EQ(doc.properties.Text3, "NONE");
    EXPECT_EQ(doc.properties.Text4, "NONE");
}

TEST(StageDocumentSave, TimeLimitLeftMidEditIsNormalisedInFileAndField) {
    ScratchDir folder;
    StageDocument doc;
    for (const auto& [typed, saved] : {std::pair{"", "150"}, std::pair{"00", "0"},
                                       std::pair{"90", "90"}, std::pair{"0.5", "0.5"}}) {
        doc.properties.Times = typed;
        ASSERT_FALSE(SaveF(doc, folder.File("a.tr2")));
        EXPECT_EQ(SplitStageLines(ReadPlain(folder.File("a.tr2"))).Line(5), saved) << typed;
        EXPECT_EQ(doc.properties.Times, saved);
    }
}

TEST(StageDocumentSave, SetsCurrentFileAndLeavesModified) {
    ScratchDir folder;
    StageDocument doc;
    doc.SetModified(true);
    ASSERT_FALSE(SaveF(doc, folder.File("a.tr2")));
    EXPECT_EQ(doc.CurrentFile, folder.File("a.tr2"));
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(doc.Caption(), "Tarn2 NapEditer - " + folder.File("a.tr2"));
}

TEST(StageDocumentSave, TypedStartRowOutsideTheListIsSavedAsMinusOne) {
    ScratchDir folder;
    StageDocument doc;
    doc.properties.STYText = "61";
    ASSERT_FALSE(SaveF(doc, folder.File("a.tr2")));
    EXPECT_EQ(SplitStageLines(ReadPlain(folder.File("a.tr2"))).Line(4), "-1");
}

TEST(StageDocumentSave, FailedSaveReportsAndKeepsTargetAndCurrentFile) {
    ScratchDir folder;
    StageDocument doc;
    doc.CurrentFile = "old.tr2";
    const std::string target = folder.File("missing-folder/a.tr2");
    const auto problem = SaveF(doc, target);
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find("保存できませんでした"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(target));
    EXPECT_EQ(doc.CurrentFile, "old.tr2");
}

TEST(StageDocumentSave, ReadOnlyStageFileIsKeptAndTheMessageSaysWhy) {
    ScratchDir folder;
    StageDocument doc;
    const std::string target = folder.File("a.tr2");
    ASSERT_FALSE(SaveF(doc, target));
    const std::string saved = tarn::testing::ReadFile(target);
    ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
    doc.properties.Text3 = "changed";
    const auto problem = SaveF(doc, target);
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find(target), std::string::npos) << *problem;
    EXPECT_NE(problem->find("読み取り専用"), std::string::npos) << *problem;
    EXPECT_EQ(tarn::testing::ReadFile(target), saved);
}

TEST(StageDocumentSave, SavedStageLoadsInTheGameWithTheSameContent) {
    ScratchDir folder;
    StageDocument doc;
    doc.properties.STX = 12;
    doc.properties.STYText = "41";
    doc.properties.Times = "250";
    doc.properties.Text3 = "1-2";
    doc.properties.Text4 = "bonus";
    doc.SetCell(5, 7, 21);
    doc.SetCell(199, 59, 23);
    ASSERT_FALSE(SaveF(doc, folder.File("a.tr2")));
    const GameStageText game = ReadGameStage(ReadPlain(folder.File("a.tr2")));
    EXPECT_EQ(game.PlayerX, 12 * 16);
    EXPECT_EQ(game.PlayerY, 40 * 16);
    EXPECT_EQ(game.TimeLeft, 250.0);
    EXPECT_EQ(game.NextStage, "1-2");
    EXPECT_EQ(game.NextStage2, "bonus");
    for (int row = 0; row < kMapRows; ++row) {
        for (int column = 0; column < kMapColumns; ++column) {
            ASSERT_EQ(game.rows[row][column], doc.Cell(column, row)) << column << "," << row;
        }
    }
}

TEST(StageDocumentOpen, EncodedStageOpensUnchanged) {
    ScratchDir folder;
    const StageFields fields = SampleFields();
    WriteStage(folder.File("s.tr2"), fields);
    StageDocument doc;
    ASSERT_FALSE(OpenF(doc, folder.File("s.tr2")));
    EXPECT_EQ(doc.EditMap, fields.map);
    EXPECT_EQ(doc.properties.Text1, "sky.bmp");
    EXPECT_EQ(doc.properties.Text2, "はじまりの森");
    EXPECT_EQ(doc.properties.STX, 12);
    EXPECT_EQ(doc.properties.STYText, "41");
    EXPECT_EQ(doc.properties.Times, "250");
    EXPECT_EQ(doc.properties.Text3, "1-2");
    EXPECT_EQ(doc.properties.Text4, "bonus");
    EXPECT_EQ(doc.CurrentFile, folder.File("s.tr2"));
}

TEST(StageDocumentOpen, ReopenedSaveGivesTheSameText) {
    ScratchDir folder;
    WriteStage(folder.File("s.tr2"), SampleFields());
    StageDocument doc;
    ASSERT_FALSE(OpenF(doc, folder.File("s.tr2")));
    ASSERT_FALSE(SaveF(doc, folder.File("t.tr2")));
    EXPECT_EQ(ReadPlain(folder.File("t.tr2")), ReadPlain(folder.File("s.tr2")));
}

TEST(StageDocumentOpen, GoalOneNameWithACommaSurvivesSaveAndReopen) {
    ScratchDir folder;
    WriteStage(folder.File("s.tr2"), SampleFields());
    StageDocument doc;
    ASSERT_FALSE(OpenF(doc, folder.File("s.tr2")));
    doc.properties.Text3 = "2-1,b";
    ASSERT_FALSE(SaveF(doc, folder.File("t.tr2")));
    StageDocument reopened;
    ASSERT_FALSE(OpenF(reopened, folder.File("t.tr2")));
    EXPECT_EQ(reopened.properties.Text3, "2-1,b");
}

TEST(StageDocumentOpen, StageSavedWithATypedStartRowReopensAndSavesAlike) {
    ScratchDir folder;
    StageDocument doc;
    doc.properties.STYText = "61";
    ASSERT_FALSE(SaveF(doc, folder.File("a.tr2")));
    StageDocument reopened;
    ASSERT_FALSE(OpenF(reopened, folder.File("a.tr2")));
    EXPECT_EQ(reopened.properties.STYText, "");
    ASSERT_FALSE(SaveF(reopened, folder.File("b.tr2")));
    EXPECT_EQ(ReadPlain(folder.File("b.tr2")), ReadPlain(folder.File("a.tr2")));
}

TEST(StageDocumentOpen, GoalOneFieldIsCutAtTheFirstComma) {
    ScratchDir folder;
    // Written by hand: the editor itself quotes such a name.
    StageLines lines = SplitStageLines(WriteStageText(SampleFields()));
    lines.lines[95] = "2-1,extra";
    std::string plain;
    for (const auto& line : lines.lines) {
        plain += line + "\r\n";
    }
    WriteEnciphered(folder.File("s.tr2"), plain);
    StageDocument doc;
    ASSERT_FALSE(OpenF(doc, folder.File("s.tr2")));
    EXPECT_EQ(doc.properties.Text3, "2-1");
}

TEST(StageDocumentOpen, ShortRowKeepsTheCellsBeyondItsEnd) {
    ScratchDir folder;
    StageLines lines = SplitStageLines(WriteStageText(SampleFields()));
    lines.lines[5] = std::string(150, '2');  // row 0
    lines.lines[6] = std::string(250, '3');  // row 1
    std::string plain;
    for (const auto& line : lines.lines) {
        plain += line + "\r\n";
    }
    WriteEnciphered(folder.File("s.tr2"), plain);
    StageDocument doc;
    for (int column = 0; column < kMapColumns; ++column) {
        doc.SetCell(column, 0, 5);
    }
    ASSERT_FALSE(OpenF(doc, folder.File("s.tr2")));
    EXPECT_EQ(doc.Cell(149, 0), 2);
    EXPECT_EQ(doc.Cell(150, 0), 5);
    EXPECT_EQ(doc.Cell(199, 0), 5);
    EXPECT_EQ(doc.Cell(199, 1), 3);
}

TEST(StageDocumentOpen, NormalisesTheTimeLimitText) {
    ScratchDir folder;
    StageFields fields = SampleFields();
    fields.timeText = "abc";
    WriteStage(folder.File("s.tr2"), fields);
    StageDocument doc;
    ASSERT_FALSE(OpenF(doc, folder.File("s.tr2")));
    EXPECT_EQ(doc.properties.Times, "0");
}

TEST(StageDocumentOpen, WritesNothingIntoTheFolders) {
    ScratchDir folder;
    WriteStage(folder.File("s.tr2"), SampleFields());
    const auto before = std::distance(std::filesystem::directory_iterator(folder.path()), {});
    StageDocument doc;
    ASSERT_FALSE(OpenF(doc, folder.File("s.tr2")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), before);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::current_path() / "edi.tmp"));
}

// A damaged file is reported and the document stays as it was.
class StageDocumentDamaged : public ::testing::Test {
  protected:
    void ExpectRejected(const std::string& plain, const std::string& reason) {
        WriteEnciphered(folder.File("bad.tr2"), plain);
        ExpectRejectedFile(folder.File("bad.tr2"), reason);
    }
    void ExpectRejectedFile(const std::string& path, const std::string& reason) {
        StageDocument doc;
        doc.SetCell(3, 3, 7);
        doc.properties.Text2 = "kept";
        doc.CurrentFile = "current.tr2";
        doc.SetModified(true);
        const auto problem = OpenF(doc, path);
        ASSERT_TRUE(problem);
        EXPECT_NE(problem->text.find(reason), std::string::npos) << problem->text;
        EXPECT_FALSE(problem->containerMessage.has_value());
        EXPECT_EQ(doc.Cell(3, 3), 7);
        EXPECT_EQ(doc.properties.Text2, "kept");
        EXPECT_EQ(doc.CurrentFile, "current.tr2");
        EXPECT_TRUE(doc.Modified());
    }
    std::string WithLine(int n, const std::string& text) {
        StageLines lines = SplitStageLines(WriteStageText(SampleFields()));
        lines.lines[n - 1] = text;
        std::string plain;
        for (const auto& line : lines.lines) {
            plain += line + "\r\n";
        }
        return plain;
    }
    ScratchDir folder;
};

TEST_F(StageDocumentDamaged, MissingFileIsReported) {
    ExpectRejectedFile(folder.File("none.tr2"), "見つかりません");
}

TEST_F(StageDocumentDamaged, EmptyFileIsReported) {
    std::ofstream(folder.File("empty.tr2")).flush();
    ExpectRejectedFile(folder.File("empty.tr2"), "読み込めません");
}

TEST_F(StageDocumentDamaged, FileOfFewerThan96LinesIsReported) {
    std::string plain = WriteStageText(SampleFields());
    plain.resize(plain.rfind("0\r\n"));
    ExpectRejected(plain, "行数");
}

TEST_F(StageDocumentDamaged, StartColumnOutsideTheListIsReported) {
    ExpectRejected(WithLine(3, " 200"), "スタート位置 X");
}

TEST_F(StageDocumentDamaged, StartRowOutsideTheListIsReported) {
    ExpectRejected(WithLine(4, " 60"), "スタート位置 Y");
    ExpectRejected(WithLine(4, "-2"), "スタート位置 Y");
}

TEST_F(StageDocumentDamaged, MapCodeAbove23IsReported) {
    ExpectRejected(WithLine(10, std::string(50, '0') + "O"), "10 行目、51 文字目");
}

TEST_F(StageDocumentDamaged, OverlongNameLineIsReportedNotLoaded) {
    ExpectRejected(WithLine(2, std::string(1 << 20, 'n')), "2 行目が長すぎます（1048576 バイト");
    ExpectRejected(WithLine(96, std::string(kMaxFieldLineBytes + 1, 'n')), "96 行目が長すぎます");
}

TEST_F(StageDocumentDamaged, MangledStagesEitherLoadCleanlyOrLeaveTheDocument) {
    const std::string good = WriteStageText(SampleFields());
    std::mt19937 random(1234);
    for (int round = 0; round < 150; ++round) {
        std::string plain = good;
        const int edits = 1 + int(random() % 8);
        for (int i = 0; i < edits; ++i) {
            plain[random() % plain.size()] = char(random() % 256);
        }
        if (round % 3 == 0) {
            plain.resize(random() % plain.size() + 1);
        }
        WriteEnciphered(folder.File("m.tr2"), plain);
        StageDocument doc;
        doc.SetCell(0, 0, 9);
        doc.properties.Text2 = "before";
        if (OpenF(doc, folder.File("m.tr2"))) {
            EXPECT_EQ(doc.Cell(0, 0), 9);
            EXPECT_EQ(doc.properties.Text2, "before");
        } else {
            for (const auto& row : doc.EditMap) {
                for (std::uint8_t code : row) {
                    ASSERT_LE(code, kHighestChipCode);
                }
            }
            EXPECT_GE(doc.properties.STX, 0);
            EXPECT_GE(doc.properties.STYIndex(), -1);
        }
    }
}

}  // namespace
}  // namespace tarn::editor
