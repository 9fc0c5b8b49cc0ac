// The target build in the Optara dialog: what is shown after switching, the file being
// edited, a missing file offered to be created, and edits kept across switches.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "DialogFixture.h"
#include "settings/DefaultSettings.h"

namespace tarn::optara {
namespace {

class OptaraTargetTest : public testing::DialogFixture {
  protected:
    QRadioButton* LowSpecButton() { return Find<QRadioButton>("Option1_0"); }
    QRadioButton* NormalButton() { return Find<QRadioButton>("Option1_1"); }
    void ClickOk() { QTest::mouseClick(Find<QPushButton>("Command1"), Qt::LeftButton); }
};

TEST_F(OptaraTargetTest, SwitchingTheTargetShowsTheLoadedFilesKeysAtOnce) {
    folder_.WriteSettings(SettingsBuild::LowSpec, 48, 8, 0);
    Find<QListWidget>("List1")->setCurrentRow(1);
    LowSpecButton()->click();
    EXPECT_EQ(Find<QListWidget>("List1")->currentRow(), 1);
    EXPECT_EQ(BoxText(0), QStringLiteral("6"));  // 48 + 6
    EXPECT_EQ(BoxText(3), QStringLiteral("9"));
    NormalButton()->click();
    EXPECT_EQ(BoxText(0), QStringLiteral("G"));
}

TEST_F(OptaraTargetTest, TheFileBeingEditedIsNamedBesideTheTargets) {
    folder_.WriteSettings(SettingsBuild::LowSpec, 48, 8, 0);
    auto* label = Find<QLabel>("TargetFile");
    EXPECT_TRUE(label->text().endsWith(QStringLiteral("morva2.cfh")))
        << label->text().toStdString();
    EXPECT_EQ(label->toolTip().toStdString(), folder_.FileOf(SettingsBuild::Normal).string());
    LowSpecButton()->click();
    EXPECT_TRUE(label->text().endsWith(QStringLiteral("morva2.cf"))) << label->text().toStdString();
}

TEST_F(OptaraTargetTest, LowSpecTargetWritesOnlyItsOwnFile) {
    folder_.WriteSettings(SettingsBuild::LowSpec, 66, 8, 0);  // "B".., no reserved key
    LowSpecButton()->click();
    EXPECT_EQ(Find<QComboBox>("Combo1")->currentText(), QStringLiteral("90"));
    EXPECT_EQ(Find<QComboBox>("Combo2")->currentText(), QStringLiteral("8bit"));
    const std::string normalBefore = folder_.Contents(folder_.FileOf(SettingsBuild::Normal));
    Press(0, Qt::Key_Left);
    ClickOk();
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    const GameSettings lowSpec = ReadBack(SettingsBuild::LowSpec);
    EXPECT_EQ(lowSpec.KeyTable[0][0], 37);
    EXPECT_EQ(lowSpec.KeyTable[0][1], 67);
    EXPECT_EQ(lowSpec.TargetFps, 90);
    EXPECT_EQ(folder_.Contents(folder_.FileOf(SettingsBuild::Normal)), normalBefore);
    EXPECT_TRUE(messenger_.questions.empty());
}

TEST_F(OptaraTargetTest, MissingLowSpecFileIsOfferedAndCreatedWithTheShippedDefaults) {
    messenger_.answers = {0};
    LowSpecButton()->click();
    ASSERT_EQ(messenger_.questions.size(), 1u);
    const Question& offer = messenger_.questions[0];
    EXPECT_NE(offer.text.find(folder_.FileOf(SettingsBuild::LowSpec).string()), std::string::npos)
        << offer.text;
    EXPECT_EQ(offer.choices, (std::vector<std::string>{"作成する", "戻る"}));
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_TRUE(LowSpecButton()->isChecked());
    EXPECT_EQ(model_.Target(), SettingsBuild::LowSpec);
    const GameSettings game = ReadBack(SettingsBuild::LowSpec);
    EXPECT_EQ(game.KeyTable, DefaultKeyTable());
    EXPECT_EQ(game.TargetFps, 30);
    EXPECT_EQ(game.ColorDepth, 16);
    EXPECT_EQ(BoxText(0), QString::fromUtf8("→"));
    EXPECT_EQ(Find<QComboBox>("Combo1")->currentText(), QStringLiteral("30"));
}

TEST_F(OptaraTargetTest, DecliningTheOfferGoesBackWithTheEditsKept) {
    Press(0, Qt::Key_Z);
    Find<QComboBox>("Combo1")->setCurrentIndex(3);
    messenger_.answers = {1};
    LowSpecButton()->click();
    EXPECT_EQ(messenger_.questions.size(), 1u);
    EXPECT_TRUE(NormalButton()->isChecked());
    EXPECT_FALSE(LowSpecButton()->isChecked());
    EXPECT_EQ(model_.Target(), SettingsBuild::Normal);
    EXPECT_EQ(BoxText(0), QStringLiteral("Z"));
    EXPECT_EQ(Find<QComboBox>("Combo1")->currentText(), QStringLiteral("40"));
    EXPECT_FALSE(std::filesystem::exists(folder_.FileOf(SettingsBuild::LowSpec)));
    EXPECT_TRUE(dialog_->isVisible());
    ClickOk();
    EXPECT_EQ(ReadBack(SettingsBuild::Normal).KeyTable[0][0], 'Z');
}

TEST_F(OptaraTargetTest, DamagedLowSpecFileIsOfferedToBeRebuiltKeepingItAside) {
    folder_.WriteRaw(SettingsBuild::LowSpec, "too short\r\n");
    messenger_.answers = {0};
    LowSpecButton()->click();
    ASSERT_EQ(messenger_.questions.size(), 1u);
    EXPECT_EQ(messenger_.questions[0].choices[0], "作り直す");
    EXPECT_NE(messenger_.questions[0].text.find("morva2.cf.bak"), std::string::npos);
    EXPECT_EQ(folder_.Contents(model_.BackupOf(SettingsBuild::LowSpec)), "too short\r\n");
    EXPECT_EQ(ReadBack(SettingsBuild::LowSpec).KeyTable, DefaultKeyTable());
}

TEST_F(OptaraTargetTest, FailedCreationIsReportedAndOfferedAgain) {
    std::filesystem::create_directories(folder_.FileOf(SettingsBuild::LowSpec) / "blocked");
    messenger_.answers = {0, 1};
    LowSpecButton()->click();
    EXPECT_EQ(messenger_.questions.size(), 2u);
    ASSERT_EQ(messenger_.messages.size(), 1u);
    EXPECT_EQ(messenger_.messages[0].icon, MessageIcon::Error);
    EXPECT_TRUE(NormalButton()->isChecked());
    EXPECT_TRUE(dialog_->isVisible());
}

TEST_F(OptaraTargetTest, EditsOfBothTargetsSurviveSwitchingAndOkOffersToSaveBoth) {
    folder_.WriteSettings(SettingsBuild::LowSpec, 66, 8, 0);  // "B".., no reserved key
    Press(0, Qt::Key_Z);
    LowSpecButton()->click();
    Press(0, Qt::Key_X);
    NormalButton()->click();
    EXPECT_EQ(BoxText(0), QStringLiteral("Z"));
    LowSpecButton()->click();
    EXPECT_EQ(BoxText(0), QStringLiteral("X"));
    messenger_.answers = {0};
    ClickOk();
    ASSERT_EQ(messenger_.questions.size(), 1u);
    EXPECT_NE(messenger_.questions[0].text.find("通常版（morva2.cfh）"), std::string::npos)
        << messenger_.questions[0].text;
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    EXPECT_EQ(ReadBack(SettingsBuild::Normal).KeyTable[0][0], 'Z');
    EXPECT_EQ(ReadBack(SettingsBuild::LowSpec).KeyTable[0][0], 'X');
}

TEST_F(OptaraTargetTest, OkCanSaveOnlyTheTargetLeavingTheOtherFileAsItWas) {
    folder_.WriteSettings(SettingsBuild::LowSpec, 66, 8, 0);  // "B".., no reserved key
    Press(0, Qt::Key_Z);
    LowSpecButton()->click();
    Press(0, Qt::Key_X);
    messenger_.answers = {1};
    ClickOk();
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    EXPECT_EQ(ReadBack(SettingsBuild::Normal).KeyTable[0][0], 'A');
    EXPECT_EQ(ReadBack(SettingsBuild::LowSpec).KeyTable[0][0], 'X');
}

TEST_F(OptaraTargetTest, OkAsksAboutProblemsInBothFilesWhenSavingBoth) {
    folder_.WriteSettings(SettingsBuild::LowSpec, 66, 8, 0);
    Press(kSlotPower, Qt::Key_F12);
    LowSpecButton()->click();
    Press(kSlotGiveUp, Qt::Key_F11);
    messenger_.answers = {0, 1};  // save both; then go back at the problems
    ClickOk();
    ASSERT_EQ(messenger_.questions.size(), 2u);
    const std::string& problems = messenger_.questions[1].text;
    EXPECT_NE(problems.find("・ロースペック版 Optara 1: 自爆の「F 11」"), std::string::npos)
        << problems;
    EXPECT_NE(problems.find("・通常版 Optara 1: 攻撃の「F 12」"), std::string::npos) << problems;
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(ReadBack(SettingsBuild::Normal).KeyTable[0][kSlotPower], 'F');
}

TEST_F(OptaraTargetTest, ALongListOfProblemsIsCutShortWithACount) {
    folder_.WriteSettings(SettingsBuild::LowSpec, 48, 8, 0);  // nine digits over two configurations
    LowSpecButton()->click();
    ClickOk();
    ASSERT_EQ(messenger_.questions.size(), 1u);
    EXPECT_NE(messenger_.questions[0].text.find("（ほか1件）"), std::string::npos)
        << messenger_.questions[0].text;
    EXPECT_TRUE(dialog_->isVisible());  // unanswered: the box was closed, nothing saved
}

}  // namespace
}  // namespace tarn::optara
