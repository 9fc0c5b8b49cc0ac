// The Optara dialog under the offscreen platform: showing and capturing keys, their
// names, focus, refusals, key problems, OK and Cancel, and the layout.
#include "settings/optara/OptaraDialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "DialogFixture.h"

namespace tarn::optara {
namespace {

using OptaraDialogTest = testing::DialogFixture;

TEST_F(OptaraDialogTest, OpensWithTheFirstConfigurationAndTheFilesLists) {
    EXPECT_EQ(dialog_->windowTitle(), QStringLiteral("Morvane 2 - Optara"));
    EXPECT_EQ(Find<QListWidget>("List1")->currentRow(), 0);
    EXPECT_EQ(Find<QListWidget>("List1")->item(4)->text(), QStringLiteral("Optara 5"));
    EXPECT_EQ(BoxText(0), QStringLiteral("A"));
    EXPECT_EQ(BoxText(5), QStringLiteral("F"));
    EXPECT_EQ(Find<QComboBox>("Combo1")->currentText(), QStringLiteral("60"));
    EXPECT_EQ(Find<QComboBox>("Combo2")->currentText(), QStringLiteral("16bit"));
    EXPECT_TRUE(Find<QRadioButton>("Option1_1")->isChecked());
    EXPECT_EQ(Find<QRadioButton>("Option1_0")->text(), QString::fromUtf8("ロースペック版"));
    EXPECT_EQ(Find<QPushButton>("Command2")->text(), QString::fromUtf8("キャンセル"));
    EXPECT_TRUE(Find<QLabel>("ProblemLine")->text().isEmpty());
}

TEST_F(OptaraDialogTest, ChoosingAConfigurationShowsItsKeys) {
    Find<QListWidget>("List1")->setCurrentRow(1);
    EXPECT_EQ(BoxText(0), QStringLiteral("G"));
    EXPECT_EQ(BoxText(5), QStringLiteral("L"));
}

TEST_F(OptaraDialogTest, CapturedKeysAreStoredNamedAndMoveTheFocusOn) {
    Press(0, Qt::Key_Right);
    EXPECT_EQ(BoxText(0), QString::fromUtf8("→"));
    EXPECT_TRUE(dialog_->Box(1)->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Comma);
    EXPECT_EQ(BoxText(1), QStringLiteral(","));
    EXPECT_TRUE(dialog_->Box(2)->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_3, Qt::KeypadModifier);
    EXPECT_EQ(BoxText(2), QString::fromUtf8("テンキー3"));
    EXPECT_EQ(model_.KeyTable()[0][0], 39);
    EXPECT_EQ(model_.KeyTable()[0][1], 188);
    EXPECT_EQ(model_.KeyTable()[0][2], 99);
}

TEST_F(OptaraDialogTest, KeypadCapsLockAndWindowsKeysShowReadableNamesAndSaveTheirCodes) {
    Press(0, Qt::Key_1, Qt::KeypadModifier);
    PressRaw(1, Qt::Key_CapsLock);
    PressRaw(2, Qt::Key_Super_L);
    PressRaw(3, Qt::Key_Super_R);
    EXPECT_EQ(BoxText(0), QString::fromUtf8("テンキー1"));
    EXPECT_EQ(BoxText(1), QStringLiteral("CapsLock"));
    EXPECT_EQ(BoxText(2), QString::fromUtf8("左Win"));
    EXPECT_EQ(BoxText(3), QString::fromUtf8("右Win"));
    QTest::mouseClick(Find<QPushButton>("Command1"), Qt::LeftButton);
    const GameSettings game = ReadBack(SettingsBuild::Normal);
    EXPECT_EQ(game.KeyTable[0][0], 97);
    EXPECT_EQ(game.KeyTable[0][1], 20);
    EXPECT_EQ(game.KeyTable[0][2], 91);
    EXPECT_EQ(game.KeyTable[0][3], 92);
}

TEST_F(OptaraDialogTest, TabAndEscapeAreCapturedLikeOtherKeys) {
    Press(2, Qt::Key_Tab);
    EXPECT_EQ(BoxText(2), QStringLiteral("TAB"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(BoxText(3), QStringLiteral("ESC"));
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_TRUE(dialog_->Box(4)->hasFocus());
}

TEST_F(OptaraDialogTest, CapturingInTheLastBoxMovesTheFocusToOkOnceTheKeyIsLetGo) {
    auto* ok = Find<QPushButton>("Command1");
    EXPECT_FALSE(ok->isDefault());
    dialog_->Box(5)->setFocus();
    QTest::keyPress(dialog_->Box(5), Qt::Key_F1);
    EXPECT_EQ(BoxText(5), QStringLiteral("F 1"));
    EXPECT_TRUE(dialog_->Box(5)->hasFocus());
    QTest::keyRelease(dialog_->Box(5), Qt::Key_F1);
    EXPECT_TRUE(ok->hasFocus());
    EXPECT_TRUE(ok->isDefault());
    EXPECT_TRUE(dialog_->isVisible());
    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    EXPECT_EQ(ReadBack(SettingsBuild::Normal).KeyTable[0][5], 112);
}

TEST_F(OptaraDialogTest, RepeatsOfAHeldKeyInTheLastBoxNeitherMoveOnNorPressOk) {
    dialog_->Box(5)->setFocus();
    QTest::keyPress(dialog_->Box(5), Qt::Key_Space);
    for (int i = 0; i < 3; ++i) {
        QKeyEvent repeatUp(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                           true);
        QKeyEvent repeatDown(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                             true);
        QApplication::sendEvent(dialog_->Box(5), &repeatUp);
        QApplication::sendEvent(dialog_->Box(5), &repeatDown);
    }
    EXPECT_TRUE(dialog_->Box(5)->hasFocus());
    QTest::keyRelease(dialog_->Box(5), Qt::Key_Space);
    EXPECT_TRUE(Find<QPushButton>("Command1")->hasFocus());
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(model_.KeyTable()[0][5], 32);
}

TEST_F(OptaraDialogTest, FocusedBoxIsWhiteOnBlackAndTheOthersBlackOnWhite) {
    dialog_->Box(2)->setFocus();
    EXPECT_EQ(dialog_->Box(2)->palette().color(QPalette::Base), QColor(Qt::black));
    EXPECT_EQ(dialog_->Box(2)->palette().color(QPalette::Text), QColor(Qt::white));
    dialog_->Box(3)->setFocus();
    EXPECT_EQ(dialog_->Box(2)->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(dialog_->Box(2)->palette().color(QPalette::Text), QColor(Qt::black));
}

TEST_F(OptaraDialogTest, RefusedKeysSayWhyAndKeepTheOldKey) {
    const KeyTableData before = model_.KeyTable();
    Press(1, Qt::Key_Return);
    Press(1, Qt::Key_Enter, Qt::KeypadModifier);
    Press(1, Qt::Key_NumLock);
    PressRaw(1, Qt::Key_Hiragana_Katakana);
    PressRaw(1, Qt::Key_VolumeUp);
    EXPECT_EQ(model_.KeyTable(), before);
    ASSERT_EQ(messenger_.messages.size(), 5u);
    for (const auto& message : messenger_.messages) {
        EXPECT_EQ(message.text.rfind("そのキーは無効です\n", 0), 0u) << message.text;
        EXPECT_NE(message.text.find("保存できません"), std::string::npos) << message.text;
        EXPECT_NE(message.text.find("左移動は「B」のままです"), std::string::npos) << message.text;
    }
    EXPECT_NE(messenger_.messages[0].text.find("「Enter」のキーコード 13"), std::string::npos);
    EXPECT_NE(messenger_.messages[2].text.find("「NumLock」のキーコード 144"), std::string::npos);
    EXPECT_EQ(BoxText(1), QStringLiteral("B"));
    EXPECT_TRUE(dialog_->Box(1)->hasFocus());
}

TEST_F(OptaraDialogTest, OneKeyOnTwoActionsMarksBothBoxesAndSaysWhyUnderThem) {
    Press(0, Qt::Key_J);
    Press(1, Qt::Key_J);
    EXPECT_EQ(BoxMark(0), KeyBox::Mark::Problem);
    EXPECT_EQ(BoxMark(1), KeyBox::Mark::Problem);
    EXPECT_EQ(BoxMark(2), KeyBox::Mark::None);
    EXPECT_EQ(Find<QLabel>("ProblemLine")->text(),
              QString::fromUtf8("右移動と左移動に同じキー「J」が割り当てられています"));
    EXPECT_FALSE(dialog_->Box(0)->toolTip().isEmpty());
    Press(1, Qt::Key_K);
    EXPECT_EQ(BoxMark(0), KeyBox::Mark::None);
    EXPECT_TRUE(Find<QLabel>("ProblemLine")->text().isEmpty());
}

TEST_F(OptaraDialogTest, ReservedKeyMarksItsBoxAndSaysWhy) {
    Press(kSlotGiveUp, Qt::Key_F11);
    EXPECT_EQ(BoxMark(kSlotGiveUp), KeyBox::Mark::Problem);
    EXPECT_NE(dialog_->Box(kSlotGiveUp)->palette().color(QPalette::Base), QColor(Qt::white));
    const QString line = Find<QLabel>("ProblemLine")->text();
    EXPECT_TRUE(line.contains(QStringLiteral("F 11"))) << line.toStdString();
    EXPECT_TRUE(
        Find<QLabel>("ProblemLine")->toolTip().contains(QString::fromUtf8("ゲームオーバー")));
}

TEST_F(OptaraDialogTest, SpaceIsMarkedAsANoteAndSavedWithoutAQuestion) {
    Press(kSlotJump, Qt::Key_Space);
    EXPECT_EQ(BoxMark(kSlotJump), KeyBox::Mark::Note);
    EXPECT_TRUE(
        Find<QLabel>("ProblemLine")->toolTip().contains(QString::fromUtf8("ポーズできません")));
    QTest::mouseClick(Find<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_TRUE(messenger_.questions.empty());
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
}

TEST_F(OptaraDialogTest, OkWithAProblemAsksFirstAndGoingBackWritesNothing) {
    Press(0, Qt::Key_J);
    Press(1, Qt::Key_J);
    messenger_.answers = {1};
    QTest::mouseClick(Find<QPushButton>("Command1"), Qt::LeftButton);
    ASSERT_EQ(messenger_.questions.size(), 1u);
    const Question& question = messenger_.questions[0];
    EXPECT_NE(question.text.find("Optara 1: 右移動と左移動に同じキー「J」"), std::string::npos)
        << question.text;
    EXPECT_EQ(question.choices, (std::vector<std::string>{"保存する", "戻る"}));
    EXPECT_EQ(question.defaultChoice, 1);
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(ReadBack(SettingsBuild::Normal).KeyTable[0][0], 65);
}

TEST_F(OptaraDialogTest, OkWithAProblemSavesOnceConfirmed) {
    Press(0, Qt::Key_J);
    Press(1, Qt::Key_J);
    messenger_.answers = {0};
    QTest::mouseClick(Find<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    const GameSettings game = ReadBack(SettingsBuild::Normal);
    EXPECT_EQ(game.KeyTable[0][0], 'J');
    EXPECT_EQ(game.KeyTable[0][1], 'J');
}

TEST_F(OptaraDialogTest, OkWritesWhatTheGameReadsBack) {
    // Jump on Space in configuration 1 at 30 frames per second.
    Find<QListWidget>("List1")->setCurrentRow(0);
    Press(kSlotJump, Qt::Key_Space);
    Find<QComboBox>("Combo1")->setCurrentIndex(2);
    Find<QComboBox>("Combo2")->setCurrentIndex(0);
    QTest::mouseClick(Find<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog_->isVisible());
    const GameSettings game = ReadBack(SettingsBuild::Normal);
    EXPECT_EQ(game.KeyTable, model_.KeyTable());
    EXPECT_EQ(game.KeyTable[0][kSlotJump], 32);
    EXPECT_EQ(game.TargetFps, 30);
    EXPECT_EQ(game.ColorDepth, 8);
    EXPECT_FALSE(std::filesystem::exists(folder_.FileOf(SettingsBuild::LowSpec)));
}

TEST_F(OptaraDialogTest, CancelWritesNothing) {
    const auto before = std::filesystem::last_write_time(folder_.FileOf(SettingsBuild::Normal));
    Press(0, Qt::Key_Z);
    Find<QComboBox>("Combo1")->setCurrentIndex(0);
    QTest::mouseClick(Find<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(std::filesystem::last_write_time(folder_.FileOf(SettingsBuild::Normal)), before);
    EXPECT_EQ(ReadBack(SettingsBuild::Normal).KeyTable[0][0], 65);
}

TEST_F(OptaraDialogTest, FailedWriteSaysSoAndKeepsTheDialogOpen) {
    std::filesystem::remove(folder_.FileOf(SettingsBuild::Normal));
    std::filesystem::create_directories(folder_.FileOf(SettingsBuild::Normal) / "blocked");
    QTest::mouseClick(Find<QPushButton>("Command1"), Qt::LeftButton);
    ASSERT_EQ(messenger_.messages.size(), 1u);
    EXPECT_EQ(messenger_.messages[0].text,
              SettingsMessage(SettingsStatus::WriteFailed, folder_.FileOf(SettingsBuild::Normal)) +
                  "\n通常のファイルではありません（フォルダです）");
    EXPECT_TRUE(dialog_->isVisible());
}

TEST_F(OptaraDialogTest, VolumeSlidersSayTheGameDoesNotUseThem) {
    for (const char* name : {"BGM", "SE"}) {
        EXPECT_TRUE(Find<QSlider>(name)->toolTip().contains(QString::fromUtf8("使いません")))
            << name;
    }
}

TEST_F(OptaraDialogTest, DialogHasOneSizeAndItsControlsStayTogetherWhenForcedLarger) {
    EXPECT_EQ(dialog_->minimumSize(), dialog_->maximumSize());
    auto* panel = Find<QWidget>("Panel");
    const QSize panelSize = panel->size();
    const QPoint boxesApart =
        dialog_->Box(5)->mapTo(panel, QPoint()) - dialog_->Box(0)->mapTo(panel, QPoint());
    const QPoint okFromBox = Find<QPushButton>("Command1")->mapTo(panel, QPoint()) -
                             dialog_->Box(0)->mapTo(panel, QPoint());
    // What a window manager that ignores the fixed size does: lay out a larger window.
    const QRect forced(0, 0, dialog_->width() + 400, dialog_->height() + 300);
    dialog_->layout()->setGeometry(forced);
    EXPECT_EQ(panel->size(), panelSize);
    EXPECT_LE((panel->geometry().center() - forced.center()).manhattanLength(), 2);
    EXPECT_EQ(dialog_->Box(5)->mapTo(panel, QPoint()) - dialog_->Box(0)->mapTo(panel, QPoint()),
              boxesApart);
    EXPECT_EQ(Find<QPushButton>("Command1")->mapTo(panel, QPoint()) -
                  dialog_->Box(0)->mapTo(panel, QPoint()),
              okFromBox);
}

}  // namespace
}  // namespace tarn::optara
