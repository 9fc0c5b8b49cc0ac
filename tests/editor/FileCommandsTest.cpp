// The file commands with scripted answers: the unsaved-changes prompt, Modified and the
// caption through every command, and the shared dialog file name.
#include <gtest/gtest.h>

#include "ScriptedUi.h"
#include "StageFiles.h"
#include "tests/common/TestFiles.h"

namespace tarn::editor {
namespace {

using tarn::testing::ScratchDir;
using testing::ScriptedUi;

class FileCommandsTest : public ::testing::Test {
  protected:
    FileCommandsTest() : commands(doc, ui, "cmdline.tr2") {
        commands.onDocumentReplaced = [this](DocumentChange change) { changes.push_back(change); };
    }
    void MakeStageFile(const std::string& name, int code) {
        StageFields fields;
        fields.map[2][2] = static_cast<std::uint8_t>(code);
        fields.stageName = "opened";
        testing::WriteStage(folder.File(name), fields);
    }
    ScratchDir folder;
    StageDocument doc;
    ScriptedUi ui;
    FileCommands commands;
    std::vector<DocumentChange> changes;
};

TEST_F(FileCommandsTest, StartsUntitledAndUnmodified) {
    EXPECT_EQ(doc.Caption(), "Tarn2 NapEditer - 無題");
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(commands.DialogFileName(), "cmdline.tr2");
}

TEST_F(FileCommandsTest, NewWithoutChangesAsksNothing) {
    EXPECT_TRUE(commands.New());
    EXPECT_EQ(ui.prompts, 0);
}

TEST_F(FileCommandsTest, NewWithCancelKeepsTheDocument) {
    doc.SetModified(true);
    doc.SetCell(1, 1, 4);
    ui.answer = PromptAnswer::Cancel;
    EXPECT_FALSE(commands.New());
    EXPECT_EQ(doc.Cell(1, 1), 4);
    EXPECT_TRUE(doc.Modified());
    EXPECT_TRUE(changes.empty());
}

TEST_F(FileCommandsTest, NewWithNoClearsWithoutSaving) {
    doc.SetModified(true);
    doc.CurrentFile = folder.File("x.tr2");
    doc.SetCell(1, 1, 4);
    doc.properties.Text4 = "goal2";
    doc.properties.Times = "20";
    ui.answer = PromptAnswer::No;
    EXPECT_TRUE(commands.New());
    EXPECT_FALSE(std::filesystem::exists(folder.File("x.tr2")));
    EXPECT_EQ(doc.Cell(1, 1), 0);
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(doc.Caption(), "Tarn2 NapEditer - 無題");
    EXPECT_EQ(doc.properties.Times, "150");
    EXPECT_EQ(doc.properties.Text4, "goal2");
    EXPECT_EQ(changes, std::vector{DocumentChange::Created});
}

TEST_F(FileCommandsTest, NewWithYesSavesFirst) {
    doc.SetModified(true);
    doc.CurrentFile = folder.File("x.tr2");
    doc.SetCell(1, 1, 4);
    ui.answer = PromptAnswer::Yes;
    EXPECT_TRUE(commands.New());
    EXPECT_EQ(ReadGameStage(testing::ReadPlain(folder.File("x.tr2"))).rows[1][1], 4);
    EXPECT_EQ(doc.Cell(1, 1), 0);
}

TEST_F(FileCommandsTest, YesWhoseSaveFailsAbandonsTheCommand) {
    doc.SetModified(true);
    doc.CurrentFile = folder.File("no-such-folder/x.tr2");
    doc.SetCell(1, 1, 4);
    ui.answer = PromptAnswer::Yes;
    EXPECT_FALSE(commands.New());
    EXPECT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(doc.Cell(1, 1), 4);
    EXPECT_TRUE(doc.Modified());
}

TEST_F(FileCommandsTest, OpenLoadsTheChosenFile) {
    MakeStageFile("s.tr2", 9);
    doc.SetModified(true);
    ui.answer = PromptAnswer::No;
    ui.names = {folder.File("s.tr2")};
    EXPECT_TRUE(commands.Open());
    EXPECT_EQ(ui.offered.back(), "");  // the dialog's name is emptied first
    EXPECT_EQ(doc.Cell(2, 2), 9);
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(doc.Caption(), "Tarn2 NapEditer - " + folder.File("s.tr2"));
    EXPECT_EQ(changes, std::vector{DocumentChange::Opened});
}

TEST_F(FileCommandsTest, OpenCancelledKeepsDocumentAndModified) {
    doc.SetModified(true);
    doc.SetCell(1, 1, 4);
    ui.answer = PromptAnswer::No;
    EXPECT_FALSE(commands.Open());
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(doc.Cell(1, 1), 4);
}

TEST_F(FileCommandsTest, OpenOfDamagedFileReportsAndKeepsTheDocument) {
    testing::WriteEnciphered(folder.File("bad.tr2"), "only\r\ntwo lines\r\n");
    doc.CurrentFile = folder.File("current.tr2");
    doc.SetCell(1, 1, 4);
    ui.names = {folder.File("bad.tr2")};
    EXPECT_FALSE(commands.Open());
    EXPECT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(doc.Cell(1, 1), 4);
    EXPECT_EQ(doc.CurrentFile, folder.File("current.tr2"));
    EXPECT_TRUE(changes.empty());
}

TEST_F(FileCommandsTest, OpenFileLoadsANamedFileWithoutDialogOrPrompt) {
    MakeStageFile("named.tr2", 7);
    EXPECT_TRUE(commands.OpenFile(folder.File("named.tr2")));
    EXPECT_TRUE(ui.offered.empty());
    EXPECT_EQ(ui.prompts, 0);
    EXPECT_EQ(doc.Cell(2, 2), 7);
    EXPECT_EQ(doc.Caption(), "Tarn2 NapEditer - " + folder.File("named.tr2"));
    EXPECT_EQ(commands.DialogFileName(), folder.File("named.tr2"));
    EXPECT_EQ(changes, std::vector{DocumentChange::Opened});
}

TEST_F(FileCommandsTest, OpenFileOfAMissingFileReportsAndKeepsTheDocument) {
    doc.SetCell(1, 1, 4);
    EXPECT_FALSE(commands.OpenFile(folder.File("missing.tr2")));
    EXPECT_FALSE(ui.errors.empty());
    EXPECT_EQ(doc.Cell(1, 1), 4);
    EXPECT_TRUE(changes.empty());
}

TEST_F(FileCommandsTest, OverwriteSaveOnUntitledActsAsSaveAs) {
    doc.SetModified(true);
    ui.names = {folder.File("new.tr2")};
    EXPECT_EQ(commands.OverwriteSave(), SaveOutcome::Saved);
    EXPECT_EQ(ui.offered.back(), "cmdline.tr2");
    EXPECT_TRUE(std::filesystem::exists(folder.File("new.tr2")));
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(doc.CurrentFile, folder.File("new.tr2"));
}

TEST_F(FileCommandsTest, OverwriteSaveWritesTheCurrentFileWithoutDialog) {
    doc.CurrentFile = folder.File("cur.tr2");
    doc.SetModified(true);
    EXPECT_EQ(commands.OverwriteSave(), SaveOutcome::Saved);
    EXPECT_TRUE(ui.offered.empty());
    EXPECT_FALSE(doc.Modified());
}

TEST_F(FileCommandsTest, FailedSaveReportsAndKeepsModified) {
    doc.SetModified(true);
    ui.names = {folder.File("no-such-folder/x.tr2")};
    EXPECT_EQ(commands.SaveAs(), SaveOutcome::Failed);
    EXPECT_EQ(ui.errors.size(), 1u);
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(doc.Caption(), "Tarn2 NapEditer - 無題");
}

TEST_F(FileCommandsTest, SaveAsCancelledWritesNothingAndKeepsModified) {
    doc.SetModified(true);
    EXPECT_EQ(commands.SaveAs(), SaveOutcome::Cancelled);
    EXPECT_TRUE(doc.Modified());
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST_F(FileCommandsTest, SaveAsOffersTheLastUsedName) {
    ui.names = {folder.File("a.tr2"), ""};
    EXPECT_EQ(commands.SaveAs(), SaveOutcome::Saved);
    EXPECT_EQ(commands.SaveAs(), SaveOutcome::Cancelled);
    EXPECT_EQ(ui.offered.back(), folder.File("a.tr2"));
}

TEST_F(FileCommandsTest, CloseWithoutChangesAsksNothing) {
    EXPECT_TRUE(commands.MayClose());
    EXPECT_EQ(ui.prompts, 0);
}

TEST_F(FileCommandsTest, CloseWithChangesAndCancelStaysOpen) {
    doc.SetModified(true);
    ui.answer = PromptAnswer::Cancel;
    EXPECT_FALSE(commands.MayClose());
}

TEST_F(FileCommandsTest, CloseWithChangesAndNoCloses) {
    doc.SetModified(true);
    ui.answer = PromptAnswer::No;
    EXPECT_TRUE(commands.MayClose());
}

TEST_F(FileCommandsTest, CloseWithYesAndCancelledSaveDialogStillCloses) {
    doc.SetModified(true);
    ui.answer = PromptAnswer::Yes;
    EXPECT_TRUE(commands.MayClose());
    EXPECT_EQ(ui.offered.size(), 1u);
}

TEST_F(FileCommandsTest, BitmapDialogUsesBitmapFilterAndRestoresStageFilter) {
    EXPECT_EQ(commands.AskBitmapFileName(), "");
    EXPECT_EQ(ui.filters.back(), FileFilter::Bitmap);
    EXPECT_EQ(ui.offered.back(), "cmdline.bmp");
    EXPECT_EQ(commands.CurrentFilter(), FileFilter::Stage);
    EXPECT_EQ(FilterText(commands.CurrentFilter()), "Tarn2マップデータファイル(*.tr2)|*.tr2");
}

}  // namespace
}  // namespace tarn::editor
