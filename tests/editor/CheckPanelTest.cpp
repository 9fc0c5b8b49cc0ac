// The check panel in the window: F7 shows it, it lists the stage's problems, and a
// double-click scrolls to a problem's cell, frames and selects it, or focuses its field.
#include "editor/app/CheckPanel.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

#include "EditorWindowFixture.h"
#include "editor/app/CanvasOverlay.h"
#include "editor/app/StagePropertiesFields.h"

namespace tarn::editor::testing {
namespace {

class CheckPanelTest : public EditorWindowTest {
  protected:
    CheckPanel& Panel() { return window.Checks(); }
    void DoubleClickRow(int row) {
        QListWidget* list = Panel().List();
        const QRect box = list->visualItemRect(list->item(row));
        // A double-click as the window system delivers it: press, release, double-click.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, box.center());
        QApplication::processEvents();
    }
};

TEST_F(CheckPanelTest, F7ShowsAndHidesThePanel) {
    EXPECT_FALSE(Panel().isVisible());
    QAction* toggle = window.FindAction(QStringLiteral("チェック(&K)"));
    ASSERT_NE(toggle, nullptr);
    EXPECT_EQ(toggle->shortcut(), QKeySequence(Qt::Key_F7));
    toggle->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(Panel().isVisible());
    EXPECT_EQ(Panel().windowTitle(), QStringLiteral("チェック"));
    toggle->trigger();
    EXPECT_FALSE(Panel().isVisible());
}

TEST_F(CheckPanelTest, DoubleClickScrollsToTheProblemsCellAndFramesIt) {
    ResizeClient(700, 480);
    Doc().properties.Text1 = "back.bmp";
    Doc().properties.STX = 150;
    Doc().properties.STYText = "40";
    Doc().SetCell(150, 39, Code(Chip::UnbreakableBlock));  // the start inside a block
    Panel().show();
    Panel().Refresh();
    ASSERT_GE(Panel().List()->count(), 1);
    const int row = Panel().List()->count() - 1;
    ASSERT_TRUE(Panel().List()->item(row)->text().contains(QStringLiteral("(151, 40)")));
    DoubleClickRow(row);
    ASSERT_TRUE(Panel().Overlay().MarkedCell().has_value());
    EXPECT_EQ(*Panel().Overlay().MarkedCell(), QPoint(150, 39));
    // The cell is now inside the viewport.
    const QPoint cell = Canvas()->mapTo(window.Viewport(), QPoint(150 * 10 + 5, 39 * 10 + 5));
    EXPECT_TRUE(window.Viewport()->rect().contains(cell));
    // And selected, in the selection mode, so Ctrl+C copies it.
    EXPECT_EQ(window.DrawModeList()->currentIndex(), kSelectMode);
    ASSERT_TRUE(Canvas()->Selection().has_value());
    EXPECT_EQ(Canvas()->Selection()->firstColumn, 150);
    EXPECT_EQ(Canvas()->Selection()->firstRow, 39);
    EXPECT_EQ(Canvas()->Selection()->lastColumn, 150);
    EXPECT_EQ(Canvas()->Selection()->lastRow, 39);
}

TEST_F(CheckPanelTest, DoubleClickOnAFieldProblemFocusesTheField) {
    Doc().properties.Text1 = "back.bmp";
    Doc().properties.Times = "0";
    window.Fields().Refresh();
    Panel().show();
    Panel().Refresh();
    ASSERT_GE(Panel().List()->count(), 1);
    ASSERT_TRUE(Panel().List()->item(0)->text().contains(QStringLiteral("制限時間が0")));
    window.activateWindow();
    DoubleClickRow(0);
    QWidget* times = window.Fields().Times();
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_TRUE(focus == times || times->isAncestorOf(focus));
    EXPECT_FALSE(Canvas()->Selection().has_value());
}

}  // namespace
}  // namespace tarn::editor::testing
