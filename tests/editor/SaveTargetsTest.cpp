// Which file a save may replace: stages and bitmaps are told apart by their content, the
// dialogs propose names with the right extension, and neither kind of file is written
// over the other.
#include <gtest/gtest.h>

#include "ScriptedUi.h"
#include "StageFiles.h"
#include "editor/doc/SaveTargets.h"
#include "tests/common/TestFiles.h"

namespace tarn::editor {
namespace {

using tarn::testing::ReadFile;
using tarn::testing::ScratchDir;
using tarn::testing::WriteFile;
using testing::ScriptedUi;

// The first bytes of a 24-bit BMP as the export writes it, and some pixels.
std::string BitmapBytes() {
    std::string bytes = "BM";
    bytes += std::string(12, '\0');
    bytes += std::string("\x28\0\0\0", 4);
    bytes += std::string(200, '\0');
    return bytes;
}

TEST(SaveTargetKinds, StageFileBitmapAndOthersAreToldApart) {
    ScratchDir folder;
    testing::WriteStage(folder.File("s.tr2"), StageFields{});
    WriteFile(folder / "b.bmp", BitmapBytes());
    WriteFile(folder / "notes.txt", std::string("\0\x01\x02binary", 9));
    EXPECT_EQ(IdentifyFile(folder / "s.tr2"), FileKind::Stage);
    EXPECT_EQ(IdentifyFile(folder / "b.bmp"), FileKind::Bitmap);
    EXPECT_EQ(IdentifyFile(folder / "notes.txt"), FileKind::Other);
    EXPECT_EQ(IdentifyFile(folder / "none"), FileKind::Missing);
    EXPECT_EQ(IdentifyFile(folder.path()), FileKind::Other);
}

TEST(SaveTargetKinds, AStageRenamedToBmpStillReadsAsAStage) {
    ScratchDir folder;
    testing::WriteStage(folder.File("stage.bmp"), StageFields{});
    EXPECT_EQ(IdentifyFile(folder / "stage.bmp"), FileKind::Stage);
}

TEST(SaveTargetNames, ExtensionReplacesAStageBitmapOrPdfExtension) {
    EXPECT_EQ(WithExtension("/d/myst.tr2", ".bmp"), "/d/myst.bmp");
    EXPECT_EQ(WithExtension("/d/myst.BMP", ".tr2"), "/d/myst.tr2");
    EXPECT_EQ(WithExtension("myst.pdf", ".tr2"), "myst.tr2");
    EXPECT_EQ(WithExtension("myst", ".bmp"), "myst.bmp");
    EXPECT_EQ(WithExtension("1-1.v2", ".bmp"), "1-1.v2.bmp");
    EXPECT_EQ(WithExtension("/d/.tr2", ".bmp"), "/d/.tr2.bmp");
    EXPECT_EQ(WithExtension("", ".bmp"), "");
}

class SaveTargetCommands : public ::testing::Test {
  protected:
    SaveTargetCommands() : commands(doc, ui, "first.tr2") {}
    ScratchDir folder;
    StageDocument doc;
    ScriptedUi ui;
    FileCommands commands;
};

TEST_F(SaveTargetCommands, ExportProposesTheSavedStagesNameWithBmp) {
    ui.names = {folder.File("myst.tr2")};
    ASSERT_EQ(commands.SaveAs(), SaveOutcome::Saved);
    commands.AskBitmapFileName();
    EXPECT_EQ(ui.offered.back(), folder.File("myst.bmp"));
}

TEST_F(SaveTargetCommands, ExportOfAnUntitledStageProposesTheCommandLineNameWithBmp) {
    commands.AskBitmapFileName();
    EXPECT_EQ(ui.offered.back(), "first.bmp");
}

TEST_F(SaveTargetCommands, StageDialogAfterAnExportProposesATr2Name) {
    ui.names = {folder.File("picture.bmp")};
    ASSERT_EQ(commands.AskBitmapFileName(), folder.File("picture.bmp"));
    commands.SaveAs();
    EXPECT_EQ(ui.offered.back(), folder.File("picture.tr2"));
}

TEST_F(SaveTargetCommands, ExportRefusesATr2NameAndKeepsTheStage) {
    ui.names = {folder.File("myst.tr2"), folder.File("myst.tr2")};
    ASSERT_EQ(commands.SaveAs(), SaveOutcome::Saved);
    const std::string stage = ReadFile(folder / "myst.tr2");
    EXPECT_EQ(commands.AskBitmapFileName(), "");
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_NE(ui.errors.front().find(".tr2"), std::string::npos);
    EXPECT_EQ(ReadFile(folder / "myst.tr2"), stage);
    commands.SaveAs();
    EXPECT_EQ(ui.offered.back(), folder.File("myst.tr2"));  // the refused name is not kept
}

TEST_F(SaveTargetCommands, ExportRefusesAStageFileWhateverItsName) {
    testing::WriteStage(folder.File("old-stage.bmp"), StageFields{});
    ui.names = {folder.File("old-stage.bmp")};
    EXPECT_EQ(commands.AskBitmapFileName(), "");
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_NE(ui.errors.front().find("ステージファイルです"), std::string::npos);
}

TEST_F(SaveTargetCommands, PdfProposesTheStagesNameAndNeverReplacesAStage) {
    ui.names = {folder.File("myst.tr2"), folder.File("myst.tr2")};
    ASSERT_EQ(commands.SaveAs(), SaveOutcome::Saved);
    const std::string stage = ReadFile(folder / "myst.tr2");
    EXPECT_EQ(commands.AskPdfFileName(), "");
    EXPECT_EQ(ui.offered.back(), folder.File("myst.pdf"));
    EXPECT_EQ(ui.filters.back(), FileFilter::Pdf);
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors.front().rfind("PDFは .tr2 の名前では保存しません", 0), 0u);
    EXPECT_EQ(ReadFile(folder / "myst.tr2"), stage);
    EXPECT_EQ(commands.CurrentFilter(), FileFilter::Stage);
}

TEST_F(SaveTargetCommands, ExportMayReplaceAnOlderBitmap) {
    WriteFile(folder / "map.bmp", BitmapBytes());
    ui.names = {folder.File("map.bmp")};
    EXPECT_EQ(commands.AskBitmapFileName(), folder.File("map.bmp"));
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(SaveTargetCommands, StageSaveRefusesABitmapAndKeepsTheDocumentModified) {
    WriteFile(folder / "map.picture", BitmapBytes());
    doc.SetModified(true);
    ui.names = {folder.File("map.picture"), folder.File("map.bmp")};
    EXPECT_EQ(commands.SaveAs(), SaveOutcome::Failed);
    EXPECT_EQ(commands.SaveAs(), SaveOutcome::Failed);
    EXPECT_EQ(ui.errors.size(), 2u);
    EXPECT_EQ(ReadFile(folder / "map.picture"), BitmapBytes());
    EXPECT_FALSE(std::filesystem::exists(folder / "map.bmp"));
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(doc.CurrentFile, "");
}

TEST_F(SaveTargetCommands, OverwriteSaveRefusesACurrentFileThatBecameABitmap) {
    ui.names = {folder.File("s.tr2")};
    ASSERT_EQ(commands.SaveAs(), SaveOutcome::Saved);
    WriteFile(folder / "s.tr2", BitmapBytes());
    doc.SetModified(true);
    EXPECT_EQ(commands.OverwriteSave(), SaveOutcome::Failed);
    EXPECT_EQ(ReadFile(folder / "s.tr2"), BitmapBytes());
    EXPECT_TRUE(doc.Modified());
}

}  // namespace
}  // namespace tarn::editor
