// Qt's own dialog texts follow the editor into Japanese, and stay English when the
// catalogue is missing.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTranslator>
#include <memory>

#include "editor/app/QtJapanese.h"

namespace tarn::editor::testing {
namespace {

QStringList ButtonTexts(QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("q"), buttons);
    QStringList texts;
    for (QMessageBox::StandardButton which :
         {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}) {
        if (QAbstractButton* button = box.button(which)) {
            texts << button->text();
        }
    }
    return texts;
}

TEST(QtJapanese, YesNoCancelButtonsSpeakJapanese) {
    const std::unique_ptr<QTranslator> installed(InstallQtJapanese(*qApp));
    ASSERT_NE(installed, nullptr) << "qt6-translations-l10n is not installed";
    EXPECT_EQ(ButtonTexts(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel),
              (QStringList{"はい(&Y)", "いいえ(&N)", "キャンセル"}));
}

TEST(QtJapanese, WithoutTheCatalogueQtKeepsItsOwnTexts) {
    EXPECT_EQ(InstallQtJapanese(*qApp, QStringLiteral("/nonexistent")), nullptr);
    EXPECT_EQ(ButtonTexts(QMessageBox::Yes | QMessageBox::No), (QStringList{"&Yes", "&No"}));
}

}  // namespace
}  // namespace tarn::editor::testing
