// Painting, range filling, labels, the palette rule and undo, driven by mouse events on
// the canvas of a shown window.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QUndoStack>

#include "EditorWindowFixture.h"
#include "editor/app/ChipTiles.h"
#include "editor/app/StagePropertiesFields.h"

namespace tarn::editor::testing {

void EditorWindowTest::Move(QPoint at, Qt::MouseButtons held) {
    QMouseEvent event(QEvent::MouseMove, QPointF(at), Canvas()->mapToGlobal(QPointF(at)),
                      Qt::NoButton, held, Qt::NoModifier);
    QApplication::sendEvent(Canvas(), &event);
}

namespace {

using MapCanvasTest = EditorWindowTest;

// The canvas shows the code's tile on the cell's square.
void ExpectCellShows(const MapDocument& document, int column, int row, int code) {
    const QImage cell = document.Canvas().copy(MapDocument::CellRect(column, row));
    EXPECT_EQ(cell, Tiles().Tile(code)) << "cell " << column << "," << row;
}

TEST_F(MapCanvasTest, LeftPressPaintsThePaletteCode) {
    window.Palette()->setCurrentIndex(2);
    Press(Qt::LeftButton, {25, 35});
    Release(Qt::LeftButton, {25, 35});
    EXPECT_EQ(Doc().Cell(2, 3), 2);
    ExpectCellShows(window.Document(), 2, 3, 2);
    EXPECT_TRUE(Doc().Modified());
}

TEST_F(MapCanvasTest, PaintingReportsOnlyTheStampedCellForRepaint) {
    window.Palette()->setCurrentIndex(1);
    QSignalSpy changed(&window.Document(), &MapDocument::cellsChanged);
    Press(Qt::LeftButton, {25, 35});
    Move({135, 45}, Qt::LeftButton);
    Release(Qt::LeftButton, {135, 45});
    ASSERT_EQ(changed.size(), 2);
    EXPECT_EQ(changed[0][0].toRect(), QRect(20, 30, 10, 10));
    EXPECT_EQ(changed[1][0].toRect(), QRect(130, 40, 10, 10));
}

TEST_F(MapCanvasTest, RightPressErasesWhateverThePaletteShows) {
    window.Palette()->setCurrentIndex(4);
    Press(Qt::LeftButton, {5, 5});
    Release(Qt::LeftButton, {5, 5});
    Press(Qt::RightButton, {5, 5});
    Release(Qt::RightButton, {5, 5});
    EXPECT_EQ(Doc().Cell(0, 0), 0);
    ExpectCellShows(window.Document(), 0, 0, 0);
}

TEST_F(MapCanvasTest, PressMarksModifiedEvenWhenNothingChanges) {
    Press(Qt::LeftButton, {5, 5});  // palette entry 0 on an empty cell
    Release(Qt::LeftButton, {5, 5});
    EXPECT_TRUE(Doc().Modified());
    EXPECT_FALSE(window.Document().UndoStack().canUndo());
}

TEST_F(MapCanvasTest, DragPaintsOnlyCellsUnderReportedPositions) {
    window.Palette()->setCurrentIndex(1);
    Press(Qt::LeftButton, {5, 5});
    Move({55, 5}, Qt::LeftButton);
    Release(Qt::LeftButton, {55, 5});
    EXPECT_EQ(Doc().Cell(0, 0), 1);
    EXPECT_EQ(Doc().Cell(5, 0), 1);
    for (int column = 1; column < 5; ++column) {
        EXPECT_EQ(Doc().Cell(column, 0), 0) << column;
    }
}

TEST_F(MapCanvasTest, RightDragErases) {
    window.Palette()->setCurrentIndex(1);
    Press(Qt::LeftButton, {5, 5});
    Move({15, 5}, Qt::LeftButton);
    Release(Qt::LeftButton, {15, 5});
    Press(Qt::RightButton, {25, 5});
    Move({15, 5}, Qt::RightButton);
    Release(Qt::RightButton, {15, 5});
    EXPECT_EQ(Doc().Cell(0, 0), 1);
    EXPECT_EQ(Doc().Cell(1, 0), 0);
}

TEST_F(MapCanvasTest, StrokeIsUndoneAndRedoneAsOneStep) {
    window.Palette()->setCurrentIndex(21);
    Press(Qt::LeftButton, {5, 5});
    Move({15, 15}, Qt::LeftButton);
    Move({25, 25}, Qt::LeftButton);
    Release(Qt::LeftButton, {25, 25});
    window.Undo();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Doc().Cell(i, i), 0);
        ExpectCellShows(window.Document(), i, i, 0);
    }
    EXPECT_FALSE(window.Document().UndoStack().canUndo());
    window.Redo();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Doc().Cell(i, i), 21);
        ExpectCellShows(window.Document(), i, i, 21);
    }
}

TEST_F(MapCanvasTest, UndoAfterSaveMarksTheDocumentModified) {
    window.Palette()->setCurrentIndex(1);
    Press(Qt::LeftButton, {5, 5});
    Release(Qt::LeftButton, {5, 5});
    dialogs.names = {QString::fromStdString(folder.File("a.tr2"))};
    window.SaveStageAs();
    ASSERT_FALSE(Doc().Modified());
    window.Undo();
    EXPECT_TRUE(Doc().Modified());
}

// The user types a stage name, paints, and presses Ctrl+Z: the paint goes, the name stays.
TEST_F(MapCanvasTest, CtrlZAfterTypingANameAndPaintingUndoesThePaint) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QLineEdit* name = window.Fields().Text2();
    QTest::mouseClick(name, Qt::LeftButton);
    QTest::keyClicks(name, QStringLiteral("mori"));
    window.Palette()->setCurrentIndex(2);
    QTest::mouseClick(Canvas(), Qt::LeftButton, {}, {25, 35});
    EXPECT_EQ(QApplication::focusWidget(), Canvas());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Doc().Cell(2, 3), 0);
    EXPECT_EQ(name->text(), QStringLiteral("mori"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Doc().Cell(2, 3), 2);
}

TEST_F(MapCanvasTest, EditMenuUndoActsOnTheMapWhileAFieldHasTheFocus) {
    window.Palette()->setCurrentIndex(2);
    QTest::mouseClick(Canvas(), Qt::LeftButton, {}, {25, 35});
    window.Fields().Text2()->setFocus();
    window.Fields().Text2()->setText(QStringLiteral("mori"));
    window.FindAction(QStringLiteral("元に戻す(&U)"))->trigger();
    EXPECT_EQ(Doc().Cell(2, 3), 0);
    EXPECT_EQ(window.Fields().Text2()->text(), QStringLiteral("mori"));
}

// A dialog opened by a shortcut during a drag takes the button's release.
TEST_F(MapCanvasTest, MoveWithoutButtonAfterALostReleaseDoesNotPaint) {
    window.Palette()->setCurrentIndex(1);
    Press(Qt::LeftButton, {5, 5});
    Move({55, 5}, Qt::NoButton);
    EXPECT_EQ(Doc().Cell(5, 0), 0);
    EXPECT_FALSE(Canvas()->ButtonHeld());
    window.Undo();
    EXPECT_EQ(Doc().Cell(0, 0), 0);  // the stroke so far is one step
}

TEST_F(MapCanvasTest, RangeDragWhoseReleaseWasLostEndsWithoutFilling) {
    window.DrawModeList()->setCurrentIndex(1);
    window.Palette()->setCurrentIndex(2);
    Press(Qt::LeftButton, {5, 5});
    Move({45, 35}, Qt::LeftButton);
    Move({55, 45}, Qt::NoButton);
    EXPECT_FALSE(Canvas()->BandVisible());
    Release(Qt::LeftButton, {55, 45});
    EXPECT_EQ(Doc().Cell(1, 1), 0);
    EXPECT_FALSE(window.Document().UndoStack().canUndo());
}

TEST_F(MapCanvasTest, UndoWhileAButtonIsHeldIsIgnored) {
    window.Palette()->setCurrentIndex(1);
    QTest::mouseClick(Canvas(), Qt::LeftButton, {}, {5, 5});
    window.Palette()->setCurrentIndex(2);
    Press(Qt::LeftButton, {5, 5});
    window.Undo();
    EXPECT_EQ(Doc().Cell(0, 0), 2);
    Release(Qt::LeftButton, {5, 5});
    window.Undo();
    EXPECT_EQ(Doc().Cell(0, 0), 1);
    window.Undo();
    EXPECT_EQ(Doc().Cell(0, 0), 0);
}

TEST_F(MapCanvasTest, NewDuringAStrokeLeavesNothingToUndo) {
    window.Palette()->setCurrentIndex(1);
    Press(Qt::LeftButton, {5, 5});
    dialogs.answer = PromptAnswer::No;
    window.NewStage();
    Release(Qt::LeftButton, {5, 5});
    EXPECT_EQ(Doc().Cell(0, 0), 0);
    EXPECT_FALSE(window.Document().UndoStack().canUndo());
}

TEST_F(MapCanvasTest, RangeDragShowsSizeAndFillsOnRelease) {
    window.DrawModeList()->setCurrentIndex(1);
    window.Palette()->setCurrentIndex(2);
    Press(Qt::LeftButton, {15, 15});
    Move({45, 35}, Qt::LeftButton);
    EXPECT_EQ(window.InfoLabel()->text(), QStringLiteral("横幅： 4　縦幅： 3"));
    EXPECT_TRUE(Canvas()->BandVisible());
    EXPECT_EQ(Doc().Cell(1, 1), 0);  // nothing is filled before the release
    Release(Qt::LeftButton, {45, 35});
    for (int column = 0; column <= 5; ++column) {
        for (int row = 0; row <= 4; ++row) {
            const bool inside = column >= 1 && column <= 4 && row >= 1 && row <= 3;
            EXPECT_EQ(Doc().Cell(column, row), inside ? 2 : 0) << column << "," << row;
        }
    }
    ExpectCellShows(window.Document(), 4, 3, 2);
    EXPECT_EQ(window.InfoLabel()->text(), QString());
    EXPECT_FALSE(Canvas()->BandVisible());
}

TEST_F(MapCanvasTest, RangeFillIsOneUndoStep) {
    window.DrawModeList()->setCurrentIndex(1);
    window.Palette()->setCurrentIndex(2);
    Press(Qt::LeftButton, {5, 5});
    Move({95, 95}, Qt::LeftButton);
    Release(Qt::LeftButton, {95, 95});
    window.Undo();
    EXPECT_EQ(Doc().Cell(0, 0), 0);
    EXPECT_EQ(Doc().Cell(9, 9), 0);
    ExpectCellShows(window.Document(), 9, 9, 0);
}

TEST_F(MapCanvasTest, RangeClickOnLastPixelColumnAlsoFillsTheNextCell) {
    window.DrawModeList()->setCurrentIndex(1);
    window.Palette()->setCurrentIndex(3);
    Press(Qt::LeftButton, {19, 5});
    Release(Qt::LeftButton, {19, 5});
    EXPECT_EQ(Doc().Cell(1, 0), 3);
    EXPECT_EQ(Doc().Cell(2, 0), 3);
    EXPECT_EQ(Doc().Cell(1, 1), 0);
}

TEST_F(MapCanvasTest, RangeReleasedWithRightButtonErases) {
    Doc().SetCell(1, 1, 5);
    window.Document().RedrawAll();
    window.DrawModeList()->setCurrentIndex(1);
    window.Palette()->setCurrentIndex(3);
    Press(Qt::RightButton, {12, 12});
    Release(Qt::RightButton, {12, 12});
    EXPECT_EQ(Doc().Cell(1, 1), 0);
}

TEST_F(MapCanvasTest, HoverShowsTheCellsEntryText) {
    Doc().SetCell(3, 2, 19);
    Move({35, 25});
    EXPECT_EQ(window.InfoLabel()->text(), QStringLiteral("ゴール2"));
    Move({45, 25});
    EXPECT_EQ(window.InfoLabel()->text(), QStringLiteral("未定義"));
}

TEST_F(MapCanvasTest, CursorLabelShowsOneBasedCell) {
    Move({35, 25});
    EXPECT_EQ(window.CursorLabel()->text(), QStringLiteral("X:4  Y:3"));
}

TEST_F(MapCanvasTest, FallingWalkerChoiceIsRefusedWithMessage) {
    window.Palette()->setCurrentIndex(15);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(
        dialogs.messages.front(),
        QStringLiteral("Gridsmith|歩く敵を使用してください。空中に置くと自然に落下中になります。"));
    EXPECT_EQ(window.Palette()->currentIndex(), 14);
    Press(Qt::LeftButton, {5, 5});
    Release(Qt::LeftButton, {5, 5});
    EXPECT_EQ(Doc().Cell(0, 0), 14);
}

TEST_F(MapCanvasTest, PaletteShowsTheEntryTextsWithPictures) {
    ASSERT_EQ(window.Palette()->count(), 24);
    EXPECT_EQ(window.Palette()->itemText(0), QStringLiteral("削除モード"));
    EXPECT_EQ(window.Palette()->itemText(15), QStringLiteral("歩く敵落下中"));
    EXPECT_EQ(window.Palette()->itemText(22), QStringLiteral("隠しブロック(1UP"));
    EXPECT_EQ(window.Palette()->itemText(23), QStringLiteral("item1UP"));
    EXPECT_FALSE(window.Palette()->itemIcon(1).isNull());
}

}  // namespace
}  // namespace tarn::editor::testing
