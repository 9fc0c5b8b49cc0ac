// The recovery text brings back the map, the properties as typed and the file name, and
// refuses damaged text.
#include "editor/doc/RecoveryText.h"

#include <gtest/gtest.h>

namespace tarn::editor {
namespace {

StageDocument EditedStage() {
    StageDocument doc;
    doc.CurrentFile = "/stages/world1/1-1.tr2";
    doc.properties.Text1 = "back.bmp";
    doc.properties.Text2 = "はじまり\\の森\n二行目";
    doc.properties.STX = 199;
    doc.properties.STYText = "abc";
    doc.properties.Times = "0";
    doc.properties.Text3 = "1-2.tr2";
    doc.properties.Text4 = "";
    doc.SetCell(0, 0, 23);
    doc.SetCell(199, 59, 9);
    doc.SetCell(57, 31, 10);
    return doc;
}

TEST(RecoveryText, BringsBackMapPropertiesAndFileName) {
    const StageDocument doc = EditedStage();
    const auto stage = ReadRecoveryText(WriteRecoveryText(doc));
    ASSERT_TRUE(stage.has_value());
    EXPECT_EQ(stage->file, doc.CurrentFile);
    EXPECT_EQ(stage->properties.Text1, "back.bmp");
    EXPECT_EQ(stage->properties.Text2, doc.properties.Text2);
    EXPECT_EQ(stage->properties.STX, 199);
    EXPECT_EQ(stage->properties.STYText, "abc");
    EXPECT_EQ(stage->properties.Times, "0");
    EXPECT_EQ(stage->properties.Text3, "1-2.tr2");
    EXPECT_EQ(stage->properties.Text4, "");
    EXPECT_EQ(stage->map, doc.EditMap);
}

TEST(RecoveryText, RestoreMarksTheDocumentModified) {
    const auto stage = ReadRecoveryText(WriteRecoveryText(EditedStage()));
    ASSERT_TRUE(stage.has_value());
    StageDocument doc;
    Restore(doc, *stage);
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(doc.CurrentFile, "/stages/world1/1-1.tr2");
    EXPECT_EQ(doc.Cell(57, 31), 10);
}

TEST(RecoveryText, RefusesDamagedText) {
    const std::string good = WriteRecoveryText(EditedStage());
    EXPECT_FALSE(ReadRecoveryText(""));
    EXPECT_FALSE(ReadRecoveryText(good.substr(0, good.size() / 2)));
    std::string badCode = good;
    badCode[badCode.size() - 2] = 'Z';  // a code above the highest chip
    EXPECT_FALSE(ReadRecoveryText(badCode));
    std::string badEscape = good;
    badEscape.replace(badEscape.find("\\n"), 2, "\\q");
    EXPECT_FALSE(ReadRecoveryText(badEscape));
    std::string badColumn = good;
    badColumn.replace(badColumn.find("STX=199"), 7, "STX=200");
    EXPECT_FALSE(ReadRecoveryText(badColumn));
}

}  // namespace
}  // namespace tarn::editor
