// The stage property fields as the user types into them: every edit marks the document
// modified, characters a stage file cannot hold are kept out, the time limit is
// normalised.
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolTip>
#include <functional>
#include <utility>
#include <vector>

#include "EditorWindowFixture.h"
#include "editor/app/StagePropertiesFields.h"

namespace tarn::editor::testing {
namespace {

using PropertyFieldsTest = EditorWindowTest;

// Typing into a field, as the user does: click into it, select all, then keys.
void TypeInto(QWidget* field, const QString& text) {
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
}

// A key whose text is a whole character (an emoji keyboard, a compose sequence).
void TypeText(QWidget* field, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, text);
    QApplication::sendEvent(field, &release);
}

// What an input method hands the field when the user commits a composed character.
void CommitText(QWidget* field, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(field, &event);
}

// Selects the whole time limit and deletes it with Backspace, as the user does.
void EmptyTimeField(QComboBox* times) {
    QTest::mouseClick(times->lineEdit(), Qt::LeftButton);
    QTest::keyClick(times->lineEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(times->lineEdit(), Qt::Key_Backspace);
}

TEST_F(PropertyFieldsTest, NinetyTypedIntoAnEmptiedTimeFieldGivesNinety) {
    QComboBox* times = window.Fields().Times();
    EmptyTimeField(times);
    EXPECT_EQ(times->currentText(), QString());
    QTest::keyClicks(times->lineEdit(), QStringLiteral("90"));
    EXPECT_EQ(times->currentText(), QStringLiteral("90"));
    QTest::keyClick(times->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(times->currentText(), QStringLiteral("90"));
    EXPECT_EQ(Doc().properties.Times, "90");
}

TEST_F(PropertyFieldsTest, EmptiedTimeFieldBecomes150WhenEnterEndsTheEdit) {
    QComboBox* times = window.Fields().Times();
    EmptyTimeField(times);
    QTest::keyClick(times->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(times->currentText(), QStringLiteral("150"));
    EXPECT_EQ(Doc().properties.Times, "150");
}

TEST_F(PropertyFieldsTest, ZeroTimeBecomesZeroWhenTheFocusLeaves) {
    QComboBox* times = window.Fields().Times();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EmptyTimeField(times);
    QTest::keyClicks(times->lineEdit(), QStringLiteral("00"));
    EXPECT_EQ(times->currentText(), QStringLiteral("00"));
    QTest::mouseClick(window.Fields().Text2(), Qt::LeftButton);
    EXPECT_EQ(times->currentText(), QStringLiteral("0"));
    EXPECT_EQ(Doc().properties.Times, "0");
}

TEST_F(PropertyFieldsTest, HalfAUnitCanBeTypedWithoutTheFieldSnappingToZero) {
    QComboBox* times = window.Fields().Times();
    EmptyTimeField(times);
    QTest::keyClicks(times->lineEdit(), QStringLiteral("0.5"));
    QTest::keyClick(times->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(times->currentText(), QStringLiteral("0.5"));
}

TEST_F(PropertyFieldsTest, SaveInTheMiddleOfATimeEditWritesTheNormalisedText) {
    QComboBox* times = window.Fields().Times();
    EmptyTimeField(times);
    dialogs.names = {QString::fromStdString(folder.File("a.tr2"))};
    window.SaveStageAs();
    EXPECT_EQ(SplitStageLines(ReadPlain(folder.File("a.tr2"))).Line(5), "150");
    EXPECT_EQ(times->currentText(), QStringLiteral("150"));
    EXPECT_FALSE(Doc().Modified());
}

TEST_F(PropertyFieldsTest, LettersInTheTimeFieldEndAsATextTheGameReads) {
    QComboBox* times = window.Fields().Times();
    EmptyTimeField(times);
    QTest::keyClicks(times->lineEdit(), QStringLiteral("abc"));
    QTest::keyClick(times->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(times->currentText(), QStringLiteral("0"));
}

TEST_F(PropertyFieldsTest, TypedTimeLimitIsNotCompletedFromTheList) {
    QComboBox* times = window.Fields().Times();
    window.activateWindow();
    times->setFocus();
    times->lineEdit()->selectAll();
    QTest::keyClicks(times->lineEdit(), QStringLiteral("30"));
    EXPECT_EQ(times->currentText(), QStringLiteral("30"));
    EXPECT_EQ(Doc().properties.Times, "30");
}

TEST_F(PropertyFieldsTest, EveryPropertyEditMakesExitAsk) {
    StagePropertiesFields& fields = window.Fields();
    const std::vector<std::pair<const char*, std::function<void()>>> edits = {
        {"background", [&] { TypeInto(fields.Text1(), QStringLiteral("sky.bmp")); }},
        {"stage name", [&] { TypeInto(fields.Text2(), QStringLiteral("mori")); }},
        {"goal 1", [&] { TypeInto(fields.Text3(), QStringLiteral("1-2")); }},
        {"goal 2", [&] { TypeInto(fields.Text4(), QStringLiteral("1-3")); }},
        {"start column", [&] { QTest::keyClick(fields.STX(), Qt::Key_Down); }},
        {"start row", [&] { TypeInto(fields.STY()->lineEdit(), QStringLiteral("12")); }},
        {"time limit", [&] { TypeInto(fields.Times()->lineEdit(), QStringLiteral("90")); }},
    };
    dialogs.answer = PromptAnswer::Cancel;
    for (const auto& [what, edit] : edits) {
        Doc().SetModified(false);
        dialogs.questions.clear();
        edit();
        EXPECT_TRUE(Doc().Modified()) << what;
        EXPECT_FALSE(window.close()) << what;
        EXPECT_EQ(dialogs.questions.size(), 1) << what;
    }
    EXPECT_EQ(Doc().properties.Text2, "mori");
    EXPECT_EQ(Doc().properties.STX, 1);
    EXPECT_EQ(Doc().properties.STYText, "12");
}

TEST_F(PropertyFieldsTest, FieldsFilledByOpenOrSaveDoNotMarkModified) {
    StageFields stage;
    stage.stageName = "森";
    WriteStage(folder.File("s.tr2"), stage);
    dialogs.names = {QString::fromStdString(folder.File("s.tr2"))};
    window.OpenStage();
    EXPECT_FALSE(Doc().Modified());
    window.Fields().Text3()->clear();
    dialogs.names = {QString::fromStdString(folder.File("t.tr2"))};
    window.SaveStageAs();
    EXPECT_EQ(window.Fields().Text3()->text(), QStringLiteral("NONE"));
    EXPECT_FALSE(Doc().Modified());
}

TEST_F(PropertyFieldsTest, EmojiAndHangulTypedIntoTheStageNameAreKeptOutWithANote) {
    QLineEdit* name = window.Fields().Text2();
    QSignalSpy refused(&window.Fields(), &StagePropertiesFields::textRefused);
    TypeInto(name, QString());
    CommitText(name, QStringLiteral("森"));
    TypeText(name, QStringLiteral("😀"));
    CommitText(name, QStringLiteral("한"));
    QTest::keyClicks(name, QStringLiteral("1"));
    EXPECT_EQ(name->text(), QStringLiteral("森1"));
    EXPECT_EQ(Doc().properties.Text2, "森1");
    ASSERT_EQ(refused.size(), 2);
    EXPECT_TRUE(refused[0][0].toString().contains(QStringLiteral("「😀」")));
    EXPECT_TRUE(refused[1][0].toString().contains(QStringLiteral("シフトJIS")));
    EXPECT_TRUE(QToolTip::text().contains(QStringLiteral("「한」")));
}

TEST_F(PropertyFieldsTest, PastedTextLosesOnlyTheCharactersAStageFileCannotHold) {
    QLineEdit* next = window.Fields().Text3();
    TypeInto(next, QStringLiteral("ab"));
    next->setCursorPosition(1);
    next->insert(QStringLiteral("😀x🎮"));
    EXPECT_EQ(next->text(), QStringLiteral("axb"));
    EXPECT_EQ(next->cursorPosition(), 2);
}

TEST_F(PropertyFieldsTest, EverySavableFieldKeepsUnstorableCharactersOut) {
    StagePropertiesFields& fields = window.Fields();
    for (QLineEdit* field : {fields.Text1(), fields.Text2(), fields.Text3(), fields.Text4(),
                             fields.Times()->lineEdit(), fields.STY()->lineEdit()}) {
        TypeInto(field, QStringLiteral("5"));
        TypeText(field, QStringLiteral("😀"));
        EXPECT_EQ(field->text(), QStringLiteral("5"));
    }
}

TEST_F(PropertyFieldsTest, StartRowTypedOffTheMapIsAskedAboutBeforeSaving) {
    TypeInto(window.Fields().STY()->lineEdit(), QStringLiteral("61"));
    dialogs.names = {QString::fromStdString(folder.File("a.tr2"))};
    window.SaveStageAs();
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions.front().contains(QStringLiteral("「61」")));
    EXPECT_FALSE(std::filesystem::exists(folder / "a.tr2"));
    EXPECT_TRUE(Doc().Modified());
}

TEST_F(PropertyFieldsTest, TestPlayWithTheStartRowOffTheMapSaysWhyAndStartsNothing) {
    Doc().properties.Text1 = "sky.bmp";
    std::filesystem::create_directory(folder / "bmp");
    QImage(16, 16, QImage::Format_RGB32).save(QString::fromStdString(folder.File("bmp/sky.bmp")));
    TypeInto(window.Fields().STY()->lineEdit(), QStringLiteral("0"));
    window.TestPlay();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.front().contains(QStringLiteral("テストプレイできません")));
    EXPECT_TRUE(launcher.program.empty());
}

}  // namespace
}  // namespace tarn::editor::testing
