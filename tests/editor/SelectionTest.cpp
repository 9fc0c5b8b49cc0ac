// The rectangular selection, copy, cut and paste through the clipboard, the bucket fill,
// how Ctrl+X is shared with 終了, and the cell menu's start position.
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QUndoStack>

#include "EditorWindowFixture.h"
#include "editor/app/StagePropertiesFields.h"

namespace tarn::editor::testing {
namespace {

class SelectionTest : public EditorWindowTest {
  protected:
    SelectionTest() { window.DrawModeList()->setCurrentIndex(kSelectMode); }
    // Drags a selection from one cell to another at 10 pixels a cell.
    void Select(QPoint from, QPoint to) {
        Press(Qt::LeftButton, from * 10 + QPoint(5, 5));
        Move(to * 10 + QPoint(5, 5), Qt::LeftButton);
        Release(Qt::LeftButton, to * 10 + QPoint(5, 5));
    }
    QUndoStack& Undo() { return window.Document().UndoStack(); }
    QAction* Action(const char* text) { return window.FindAction(QString::fromUtf8(text)); }
};

TEST_F(SelectionTest, DraggingSelectsCellsWithoutTouchingTheMap) {
    Press(Qt::LeftButton, {55, 35});
    Move({25, 65}, Qt::LeftButton);
    EXPECT_EQ(window.InfoLabel()->text(), QStringLiteral("横幅： 4　縦幅： 4"));
    Release(Qt::LeftButton, {25, 65});
    ASSERT_TRUE(Canvas()->Selection());
    EXPECT_EQ(Canvas()->Selection()->firstColumn, 2);
    EXPECT_EQ(Canvas()->Selection()->firstRow, 3);
    EXPECT_EQ(Canvas()->Selection()->lastColumn, 5);
    EXPECT_EQ(Canvas()->Selection()->lastRow, 6);
    EXPECT_FALSE(Doc().Modified());
    EXPECT_EQ(Undo().count(), 0);
}

TEST_F(SelectionTest, CopyPutsTheCellsOnTheClipboardAsStageText) {
    Doc().SetCell(2, 3, 1);
    Doc().SetCell(3, 4, 23);
    Select({2, 3}, {4, 4});
    QTest::keyClick(Canvas(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("100\n0N0"));
    EXPECT_EQ(Undo().count(), 0);
}

TEST_F(SelectionTest, PasteIsOneUndoStepAndSelectsWhatCameDown) {
    QGuiApplication::clipboard()->setText(QStringLiteral("12\r\n3A\r\n"));
    Select({10, 20}, {10, 20});
    Doc().SetModified(false);
    QTest::keyClick(Canvas(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Doc().Cell(10, 20), 1);
    EXPECT_EQ(Doc().Cell(11, 20), 2);
    EXPECT_EQ(Doc().Cell(10, 21), 3);
    EXPECT_EQ(Doc().Cell(11, 21), 10);
    EXPECT_TRUE(Doc().Modified());
    EXPECT_EQ(Undo().count(), 1);
    ASSERT_TRUE(Canvas()->Selection());
    EXPECT_EQ(Canvas()->Selection()->lastColumn, 11);
    EXPECT_EQ(Canvas()->Selection()->lastRow, 21);
    Undo().undo();
    for (QPoint cell : {QPoint(10, 20), QPoint(11, 20), QPoint(10, 21), QPoint(11, 21)}) {
        EXPECT_EQ(Doc().Cell(cell.x(), cell.y()), 0);
    }
    Undo().redo();
    EXPECT_EQ(Doc().Cell(11, 21), 10);
}

TEST_F(SelectionTest, PasteAtTheMapsEdgeKeepsWhatFits) {
    QGuiApplication::clipboard()->setText(QStringLiteral("222\n222"));
    Select({198, 59}, {198, 59});
    window.PasteCells();
    EXPECT_EQ(Doc().Cell(198, 59), 2);
    EXPECT_EQ(Doc().Cell(199, 59), 2);
    EXPECT_EQ(Doc().Cell(198, 58), 0);
    EXPECT_EQ(Undo().count(), 1);
}

TEST_F(SelectionTest, TextThatIsNoMapIsNotPasted) {
    QGuiApplication::clipboard()->setText(QStringLiteral("こんにちは"));
    window.PasteCells();
    EXPECT_EQ(Undo().count(), 0);
    EXPECT_TRUE(window.InfoLabel()->text().startsWith(QStringLiteral("クリップボード")));
}

TEST_F(SelectionTest, CutEmptiesTheSelectionAsOneUndoStep) {
    Doc().SetCell(5, 5, 2);
    Doc().SetCell(6, 5, 4);
    Select({5, 5}, {6, 5});
    QTest::keyClick(Canvas(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(window.isVisible());  // the cut, not 終了
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("24"));
    EXPECT_EQ(Doc().Cell(5, 5), 0);
    EXPECT_EQ(Doc().Cell(6, 5), 0);
    EXPECT_EQ(Undo().count(), 1);
    Undo().undo();
    EXPECT_EQ(Doc().Cell(5, 5), 2);
    EXPECT_EQ(Doc().Cell(6, 5), 4);
}

TEST_F(SelectionTest, CtrlXIsTheExitCommandWhileNothingIsSelected) {
    const QKeySequence ctrlX(Qt::CTRL | Qt::Key_X);
    QAction* exit = Action("終了(&X)");
    QAction* cut = Action("切り取り(&T)");
    EXPECT_EQ(exit->shortcut(), ctrlX);
    EXPECT_FALSE(cut->isEnabled());
    Select({1, 1}, {2, 2});
    EXPECT_EQ(cut->shortcut(), ctrlX);
    EXPECT_TRUE(exit->shortcut().isEmpty());
    QTest::keyClick(Canvas(), Qt::Key_Escape);
    EXPECT_FALSE(Canvas()->Selection());
    EXPECT_EQ(exit->shortcut(), ctrlX);
    EXPECT_TRUE(cut->shortcut().isEmpty());
    QTest::keyClick(Canvas(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(SelectionTest, LeavingTheSelectionModeDropsTheSelection) {
    Select({1, 1}, {2, 2});
    window.DrawModeList()->setCurrentIndex(kPaintMode);
    EXPECT_FALSE(Canvas()->Selection());
    EXPECT_EQ(Action("終了(&X)")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
}

TEST_F(SelectionTest, BucketFillsConnectedEqualCellsAsOneUndoStep) {
    for (int column = 0; column < 10; ++column) {
        Doc().SetCell(column, 10, 2);  // a wall across the top-left corner
    }
    for (int row = 0; row <= 10; ++row) {
        Doc().SetCell(10, row, 2);
    }
    window.Document().RedrawAll();
    window.DrawModeList()->setCurrentIndex(kBucketMode);
    window.Palette()->setCurrentIndex(5);
    Press(Qt::LeftButton, {35, 35});
    Release(Qt::LeftButton, {35, 35});
    EXPECT_EQ(Doc().Cell(0, 0), 5);
    EXPECT_EQ(Doc().Cell(9, 9), 5);
    EXPECT_EQ(Doc().Cell(11, 0), 0);  // beyond the wall
    EXPECT_EQ(Doc().Cell(5, 10), 2);
    EXPECT_EQ(Undo().count(), 1);
    // The right button fills with empty cells; the wall goes as one area.
    Press(Qt::RightButton, {105, 5});
    Release(Qt::RightButton, {105, 5});
    EXPECT_EQ(Doc().Cell(10, 0), 0);
    EXPECT_EQ(Doc().Cell(0, 10), 0);
    EXPECT_EQ(Undo().count(), 2);
    Undo().undo();
    Undo().undo();
    EXPECT_EQ(Doc().Cell(0, 0), 0);
    EXPECT_EQ(Doc().Cell(10, 0), 2);
}

TEST_F(SelectionTest, TheCellMenuSetsTheStartPosition) {
    QSignalSpy wanted(Canvas(), &MapCanvas::cellMenuWanted);
    Press(Qt::RightButton, {125, 75});
    ASSERT_EQ(wanted.size(), 1);
    EXPECT_EQ(wanted[0][0].toInt(), 12);
    EXPECT_EQ(wanted[0][1].toInt(), 7);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* start = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text() == QStringLiteral("ここをスタート位置に")) {
            start = action;
        }
    }
    ASSERT_NE(start, nullptr);
    start->trigger();
    menu->close();
    EXPECT_EQ(Doc().properties.STX, 12);
    EXPECT_EQ(Doc().properties.STYText, "8");
    EXPECT_EQ(window.Fields().STX()->currentText(), QStringLiteral("13"));
    EXPECT_EQ(window.Fields().STY()->currentText(), QStringLiteral("8"));
    EXPECT_TRUE(Doc().Modified());
}

TEST_F(SelectionTest, CtrlRightPressInPaintModeAsksForTheMenuInsteadOfErasing) {
    window.DrawModeList()->setCurrentIndex(kPaintMode);
    Doc().SetCell(3, 3, 2);
    QSignalSpy wanted(Canvas(), &MapCanvas::cellMenuWanted);
    QTest::mousePress(Canvas(), Qt::RightButton, Qt::ControlModifier, {35, 35});
    EXPECT_EQ(wanted.size(), 1);
    EXPECT_EQ(Doc().Cell(3, 3), 2);
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
}

}  // namespace
}  // namespace tarn::editor::testing
