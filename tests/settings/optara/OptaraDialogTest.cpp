// The Optara dialog under the offscreen platform: capturing keys, focus, OK and Cancel,
// targets, refusals, and the run from the command line.
#include "settings/optara/OptaraDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <fstream>
#include <iterator>

#include "OptaraTestSupport.h"
#include "settings/optara/KeyBox.h"
#include "settings/optara/OptaraApp.h"
#include "support/Version.h"

namespace tarn::optara {
namespace {

using testing::ProgramFolder;
using testing::RecordingMessenger;

class OptaraDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_.WriteSettings(SettingsBuild::Normal, 65, 5, 1);  // "A".."^", 60 fps, 16 bits
        ASSERT_EQ(model_.Open(), SettingsStatus::Ok);
        dialog_ = std::make_unique<OptaraDialog>(model_, messenger_);
        dialog_->show();
        dialog_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
    }

    template <typename Widget>
    Widget* Find(const char* name) {
        auto* widget = dialog_->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString BoxText(int slot) const { return dialog_->Box(slot)->text(); }
    void Press(int slot, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        dialog_->Box(slot)->setFocus();
        QTest::keyClick(dialog_->Box(slot), key, modifiers);
    }
    // For keys QTest cannot type (it knows no text for them).
    void PressRaw(int slot, Qt::Key key) {
        dialog_->Box(slot)->setFocus();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(dialog_->Box(slot), &press);
        QApplication::sendEvent(dialog_->Box(slot), &release);
    }
    GameSettings ReadBack(SettingsBuild build) const {
        GameSettings game;
        EXPECT_EQ(ReadGameSettings(folder_.FileOf(build), game), SettingsStatus::Ok);
        return game;
    }

    ProgramFolder folder_;
    OptaraModel model_{folder_.Path()};
    RecordingMessenger messenger_;
    std::unique_ptr<OptaraDialog> dialog_;
};

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
    EXPECT_EQ(BoxText(2), QStringLiteral("c"));
    EXPECT_EQ(model_.KeyTable()[0][0], 39);
    EXPECT_EQ(model_.KeyTable()[0][1], 188);
    EXPECT_EQ(model_.KeyTable()[0][2], 99);
}

TEST_F(OptaraDialogTest, TabAndEscapeAreCapturedLikeOtherKeys) {
    Press(2, Qt::Key_Tab);
    EXPECT_EQ(BoxText(2), QStringLiteral("TAB"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(BoxText(3), QStringLiteral("ESC"));
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_TRUE(dialog_->Box(4)->hasFocus());
}

TEST_F(OptaraDialogTest, CapturingInTheLastBoxKeepsTheFocusThere) {
    Press(5, Qt::Key_F1);
    EXPECT_EQ(BoxText(5), QStringLiteral("F 1"));
    EXPECT_TRUE(dialog_->Box(5)->hasFocus());
}

TEST_F(OptaraDialogTest, FocusedBoxIsWhiteOnBlackAndTheOthersBlackOnWhite) {
    dialog_->Box(2)->setFocus();
    EXPECT_EQ(dialog_->Box(2)->palette().color(QPalette::Base), QColor(Qt::black));
    EXPECT_EQ(dialog_->Box(2)->palette().color(QPalette::Text), QColor(Qt::white));
    dialog_->Box(3)->setFocus();
    EXPECT_EQ(dialog_->Box(2)->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(dialog_->Box(2)->palette().color(QPalette::Text), QColor(Qt::black));
}

TEST_F(OptaraDialogTest, RefusedKeysSayTheKeyIsInvalidAndLeaveTheTable) {
    const KeyTableData before = model_.KeyTable();
    Press(1, Qt::Key_Return);
    Press(1, Qt::Key_Enter, Qt::KeypadModifier);
    Press(1, Qt::Key_NumLock);
    PressRaw(1, Qt::Key_Hiragana_Katakana);
    PressRaw(1, Qt::Key_VolumeUp);
    EXPECT_EQ(model_.KeyTable(), before);
    ASSERT_EQ(messenger_.messages.size(), 5u);
    for (const auto& message : messenger_.messages) {
        EXPECT_EQ(message.text, "そのキーは無効です");
    }
    EXPECT_EQ(BoxText(1), QStringLiteral("B"));
    EXPECT_TRUE(dialog_->Box(1)->hasFocus());
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

TEST_F(OptaraDialogTest, LowSpecTargetWritesOnlyItsOwnFile) {
    folder_.WriteSettings(SettingsBuild::LowSpec, 48, 8, 0);
    Find<QRadioButton>("Option1_0")->click();
    EXPECT_EQ(Find<QComboBox>("Combo1")->currentText(), QStringLiteral("90"));
    EXPECT_EQ(Find<QComboBox>("Combo2")->currentText(), QStringLiteral("8bit"));
    const std::string normalBefore = [&] {
        std::ifstream in(folder_.FileOf(SettingsBuild::Normal), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    Press(0, Qt::Key_Left);
    QTest::mouseClick(Find<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    const GameSettings lowSpec = ReadBack(SettingsBuild::LowSpec);
    EXPECT_EQ(lowSpec.KeyTable[0][0], 37);
    EXPECT_EQ(lowSpec.KeyTable[0][1], 49);
    EXPECT_EQ(lowSpec.TargetFps, 90);
    std::ifstream in(folder_.FileOf(SettingsBuild::Normal), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), normalBefore);
}

TEST_F(OptaraDialogTest, SwitchingTheTargetKeepsTheShownNamesUntilAConfigurationIsChosen) {
    folder_.WriteSettings(SettingsBuild::LowSpec, 48, 8, 0);
    Find<QRadioButton>("Option1_0")->click();
    EXPECT_EQ(BoxText(0), QStringLiteral("A"));
    Find<QListWidget>("List1")->setCurrentRow(1);
    Find<QListWidget>("List1")->setCurrentRow(0);
    EXPECT_EQ(BoxText(0), QStringLiteral("0"));
}

TEST_F(OptaraDialogTest, MissingLowSpecFileNamesItAndStopsTheTool) {
    Find<QRadioButton>("Option1_0")->click();
    ASSERT_EQ(messenger_.messages.size(), 1u);
    EXPECT_NE(messenger_.messages[0].text.find("morva2.cf"), std::string::npos);
    EXPECT_EQ(dialog_->result(), OptaraDialog::kStopped);
    EXPECT_FALSE(dialog_->isVisible());
}

TEST_F(OptaraDialogTest, FailedWriteSaysSoAndKeepsTheDialogOpen) {
    std::filesystem::remove(folder_.FileOf(SettingsBuild::Normal));
    std::filesystem::create_directories(folder_.FileOf(SettingsBuild::Normal) / "blocked");
    QTest::mouseClick(Find<QPushButton>("Command1"), Qt::LeftButton);
    ASSERT_EQ(messenger_.messages.size(), 1u);
    EXPECT_EQ(messenger_.messages[0].text,
              SettingsMessage(SettingsStatus::WriteFailed, folder_.FileOf(SettingsBuild::Normal)));
    EXPECT_TRUE(dialog_->isVisible());
}

class RunOptaraTest : public ::testing::Test {
  protected:
    int Run(const QStringList& extra, const std::function<void(OptaraDialog&)>& onShown = {}) {
        QStringList arguments{QStringLiteral("Optara")};
        arguments += extra;
        return RunOptara(arguments, messenger_, onShown);
    }
    QStringList Root() const {
        return {QStringLiteral("--root"), QString::fromStdString(folder_.Path().string())};
    }

    ProgramFolder folder_;
    RecordingMessenger messenger_;
};

TEST_F(RunOptaraTest, MissingSettingsFileNamesItAndExitsWithFailure) {
    EXPECT_EQ(Run(Root()), 1);
    ASSERT_EQ(messenger_.messages.size(), 1u);
    EXPECT_NE(messenger_.messages[0].text.find(folder_.FileOf(SettingsBuild::Normal).string()),
              std::string::npos);
    EXPECT_EQ(messenger_.messages[0].icon, MessageIcon::Error);
}

TEST_F(RunOptaraTest, TooShortSettingsFileExitsWithFailure) {
    std::ofstream(folder_.FileOf(SettingsBuild::Normal)) << "ABC\r\n";
    EXPECT_EQ(Run(Root()), 1);
    ASSERT_EQ(messenger_.messages.size(), 1u);
}

TEST_F(RunOptaraTest, OkAndCancelExitWithSuccess) {
    folder_.WriteSettings(SettingsBuild::Normal, 65, 5, 1);
    EXPECT_EQ(Run(Root(), [](OptaraDialog& dialog) { dialog.reject(); }), 0);
    EXPECT_EQ(Run(Root(),
                  [](OptaraDialog& dialog) {
                      dialog.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
                  }),
              0);
    EXPECT_TRUE(messenger_.messages.empty());
}

TEST_F(RunOptaraTest, BadFrameRateInTheFileIsReportedThroughTheMessenger) {
    std::ofstream(folder_.FileOf(SettingsBuild::Normal), std::ios::binary)
        << std::string(30, 'A') << "\x50\x1f\r\n";
    int frameIndex = -1;
    EXPECT_EQ(Run(Root(),
                  [&](OptaraDialog& dialog) {
                      frameIndex =
                          dialog.findChild<QComboBox*>(QStringLiteral("Combo1"))->currentIndex();
                      dialog.reject();
                  }),
              0);
    EXPECT_EQ(frameIndex, kDefaultFrameRateIndex);
    EXPECT_EQ(messenger_.messages.size(), 1u);
}

TEST_F(RunOptaraTest, HelpAndVersionExitWithSuccess) {
    EXPECT_EQ(Run({QStringLiteral("--help")}), 0);
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(Run({QStringLiteral("--version")}), 0);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), std::string("Optara ") + kVersion + "\n");
    EXPECT_TRUE(messenger_.messages.empty());
}

TEST_F(RunOptaraTest, UnknownOptionIsABadCommandLine) {
    EXPECT_EQ(Run({QStringLiteral("--frobnicate")}), 2);
    EXPECT_EQ(Run({QStringLiteral("--root")}), 2);
}

}  // namespace
}  // namespace tarn::optara
