// What never reaches a saved file silently: characters code page 932 cannot hold, and a
// start row off the map. A -1 row read from a file still opens and saves back unchanged.
#include <gtest/gtest.h>

#include "ScriptedUi.h"
#include "StageFiles.h"
#include "editor/doc/SaveChecks.h"
#include "tests/common/TestFiles.h"

namespace tarn::editor {
namespace {

using tarn::testing::ReadFile;
using tarn::testing::ScratchDir;
using testing::ScriptedUi;

TEST(SaveChecks, FindsTheFirstFieldWithCharactersAStageFileCannotHold) {
    StageProperties properties;
    properties.Text2 = "森のステージ";
    properties.Text3 = "1-2";
    EXPECT_FALSE(FindUnstorableText(properties));
    properties.Text4 = "보너스😀";
    properties.Times = "90😀";
    const auto found = FindUnstorableText(properties);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->field, "制限時間");
    EXPECT_EQ(found->characters, (std::vector<std::string>{"😀"}));
    EXPECT_NE(UnstorableTextMessage(*found).find("「😀」"), std::string::npos);
}

TEST(SaveChecks, StartRowIsOffTheMapOnlyWhenNoListChoice) {
    StageProperties properties;
    EXPECT_FALSE(StartRowOutsideMap(properties));
    for (const char* text : {"0", "61", "", "abc", "060"}) {
        properties.STYText = text;
        EXPECT_TRUE(StartRowOutsideMap(properties)) << text;
    }
    properties.STYText = "61";
    EXPECT_NE(StartRowSaveQuestion(properties).find("「61」"), std::string::npos);
}

class SaveCheckCommands : public ::testing::Test {
  protected:
    SaveCheckCommands() : commands(doc, ui) {}
    ScratchDir folder;
    StageDocument doc;
    ScriptedUi ui;
    FileCommands commands;
};

TEST_F(SaveCheckCommands, EmojiInTheStageNameIsRefusedBeforeTheDialog) {
    doc.properties.Text2 = "森😀";
    doc.SetModified(true);
    ui.names = {folder.File("a.tr2")};
    EXPECT_EQ(commands.SaveAs(), SaveOutcome::Refused);
    EXPECT_TRUE(ui.offered.empty());
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_NE(ui.errors.front().find("ステージ名"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder / "a.tr2"));
    EXPECT_TRUE(doc.Modified());
}

TEST_F(SaveCheckCommands, HangulInANextStageKeepsTheSavedFileAsItWas) {
    ui.names = {folder.File("a.tr2")};
    ASSERT_EQ(commands.SaveAs(), SaveOutcome::Saved);
    const std::string saved = ReadFile(folder / "a.tr2");
    doc.properties.Text3 = "다음";
    doc.SetModified(true);
    EXPECT_EQ(commands.OverwriteSave(), SaveOutcome::Refused);
    EXPECT_EQ(ReadFile(folder / "a.tr2"), saved);
    EXPECT_TRUE(doc.Modified());
}

TEST_F(SaveCheckCommands, StartRowOffTheMapIsAskedAboutAndNoWritesNothing) {
    doc.properties.STYText = "61";
    ui.names = {folder.File("a.tr2")};
    EXPECT_EQ(commands.SaveAs(), SaveOutcome::Refused);
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_NE(ui.questions.front().find("-1"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder / "a.tr2"));
}

TEST_F(SaveCheckCommands, StartRowOffTheMapConfirmedIsSavedAsMinusOne) {
    doc.properties.STYText = "61";
    ui.yes = true;
    ui.names = {folder.File("a.tr2")};
    EXPECT_EQ(commands.SaveAs(), SaveOutcome::Saved);
    EXPECT_EQ(SplitStageLines(testing::ReadPlain(folder.File("a.tr2"))).Line(4), "-1");
}

TEST_F(SaveCheckCommands, MinusOneRowReadFromAFileOpensAndSavesBackUnchanged) {
    StageFields fields;
    fields.stageName = "古いステージ";
    fields.startRowIndex = -1;
    testing::WriteStage(folder.File("old.tr2"), fields);
    ui.names = {folder.File("old.tr2")};
    ASSERT_TRUE(commands.Open());
    ui.yes = true;
    ASSERT_EQ(commands.OverwriteSave(), SaveOutcome::Saved);
    EXPECT_EQ(testing::ReadPlain(folder.File("old.tr2")), WriteStageText(fields));
}

TEST_F(SaveCheckCommands, RefusedSaveFromTheClosePromptKeepsTheWindowOpen) {
    doc.properties.Text2 = "😀";
    doc.SetModified(true);
    ui.answer = PromptAnswer::Yes;
    EXPECT_FALSE(commands.MayClose());
    ui.answer = PromptAnswer::No;
    EXPECT_TRUE(commands.MayClose());
}

}  // namespace
}  // namespace tarn::editor
