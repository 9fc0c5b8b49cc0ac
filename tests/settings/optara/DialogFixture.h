// The Optara dialog on a fresh program folder, shown under the offscreen platform, with
// helpers to find its controls and press keys in its boxes.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <memory>

#include "OptaraTestSupport.h"
#include "settings/optara/KeyBox.h"
#include "settings/optara/OptaraDialog.h"

namespace tarn::optara::testing {

class DialogFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_.WriteSettings(SettingsBuild::Normal, 65, 5, 1);  // "A".."^", 60 fps, 16 bits
        ASSERT_EQ(model_.Open(warnings_), SettingsStatus::Ok);
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
    KeyBox::Mark BoxMark(int slot) const { return dialog_->Box(slot)->CurrentMark(); }
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
        SettingsWarnings warnings;
        EXPECT_EQ(ReadGameSettings(folder_.FileOf(build), game, warnings), SettingsStatus::Ok);
        EXPECT_TRUE(warnings.empty());
        return game;
    }

    ProgramFolder folder_;
    OptaraModel model_{folder_.Path()};
    SettingsWarnings warnings_;
    RecordingMessenger messenger_;
    std::unique_ptr<OptaraDialog> dialog_;
};

}  // namespace tarn::optara::testing
