// Zoom and overlays on a shown window: addressing at every zoom, the wheel and the keys,
// the pictures drawn, fixed-size printing and export, and the overlays' switches.
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QUndoStack>
#include <QWheelEvent>

#include "EditorWindowFixture.h"
#include "editor/app/ChipTiles.h"
#include "editor/app/ZoomControl.h"
#include "editor/doc/CanvasZoom.h"

namespace tarn::editor::testing {
namespace {

using ZoomOverlayTest = EditorWindowTest;

std::vector<int> MapCodes(const StageDocument& doc) {
    std::vector<int> codes;
    for (int row = 0; row < kMapRows; ++row) {
        for (int column = 0; column < kMapColumns; ++column) {
            codes.push_back(doc.Cell(column, row));
        }
    }
    return codes;
}

QImage CellPixels(MapCanvas* canvas, int column, int row) {
    return canvas->grab(canvas->Painter().CellSquare(column, row))
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

TEST_F(ZoomOverlayTest, PaintingAtEveryZoomChangesExactlyTheCellUnderThePointer) {
    window.Palette()->setCurrentIndex(2);
    int code = 1;
    for (int size : {1, 2, 3, 4, 5, 6, 8, 10, 12, 16, 20, 24, 32}) {
        Canvas()->SetCellPixels(size);
        ASSERT_EQ(Canvas()->width(), kMapColumns * size);
        // Not cell (0, 0): QTest takes the point (0, 0) for "the widget's middle".
        for (QPoint cell : {QPoint(0, 1), QPoint(7, 5), QPoint(199, 59)}) {
            // The cell's first and last pixel, each with its own code.
            for (QPoint corner : {QPoint(0, 0), QPoint(size - 1, size - 1)}) {
                code = code % (kChipCodeCount - 1) + 1;
                code += code == Code(Chip::WalkingEnemyFalling) ? 1 : 0;
                window.Palette()->setCurrentIndex(code);
                std::vector<int> expected = MapCodes(Doc());
                expected[std::size_t(cell.y() * kMapColumns + cell.x())] = code;
                const QPoint at = cell * size + corner;
                Press(Qt::LeftButton, at);
                Release(Qt::LeftButton, at);
                ASSERT_EQ(MapCodes(Doc()), expected)
                    << "size " << size << " at " << at.x() << "," << at.y();
            }
        }
    }
}

TEST_F(ZoomOverlayTest, RangeFillAndLabelsCountCellsAtTheZoom) {
    Canvas()->SetCellPixels(32);
    window.DrawModeList()->setCurrentIndex(1);
    window.Palette()->setCurrentIndex(2);
    Press(Qt::LeftButton, {2 * 32 + 3, 1 * 32 + 3});
    Move({4 * 32 + 30, 3 * 32 + 30}, Qt::LeftButton);
    EXPECT_EQ(window.InfoLabel()->text(), QStringLiteral("横幅： 3　縦幅： 3"));
    Release(Qt::LeftButton, {4 * 32 + 30, 3 * 32 + 30});
    int filled = 0;
    for (int code : MapCodes(Doc())) {
        filled += code == 2 ? 1 : 0;
    }
    EXPECT_EQ(filled, 9);
    EXPECT_EQ(Doc().Cell(2, 1), 2);
    EXPECT_EQ(Doc().Cell(4, 3), 2);

    Doc().SetCell(5, 6, Code(Chip::Goal2));
    Canvas()->SetCellPixels(24);
    Move({5 * 24 + 23, 6 * 24});
    EXPECT_EQ(window.InfoLabel()->text(), QStringLiteral("ゴール2"));
    EXPECT_EQ(window.CursorLabel()->text(), QStringLiteral("X:6  Y:7"));
}

TEST_F(ZoomOverlayTest, CtrlWheelZoomsAboutThePointer) {
    ResizeClient(900, 600);
    const QPoint pointer(333, 111);  // in the viewport
    const QPoint onCanvas = pointer - Canvas()->pos();
    const QPoint cellBefore(onCanvas.x() / 10, onCanvas.y() / 10);
    QWheelEvent wheel(QPointF(onCanvas), Canvas()->mapToGlobal(QPointF(onCanvas)), QPoint(),
                      QPoint(0, 240), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Canvas(), &wheel);
    EXPECT_EQ(Canvas()->CellPixels(), 16);  // two notches: 10, 12, 16
    const QPoint after = pointer - Canvas()->pos();
    EXPECT_EQ(QPoint(after.x() / 16, after.y() / 16), cellBefore);
    EXPECT_EQ(window.HorizontalBar()->minimum(), window.Viewport()->width() - 3200);
    EXPECT_EQ(window.VerticalBar()->minimum(), window.Viewport()->height() - 960);
}

// Notch by notch from a map smaller than its viewport: the canvas cannot move while the
// map still fits, yet the cell under the pointer ends up under it again.
TEST_F(ZoomOverlayTest, NotchAfterNotchKeepsThePointersCell) {
    ResizeClient(2100, 900);
    ASSERT_GT(window.Viewport()->height(), 600);
    const QPoint pointer(1905, 305);  // over cell (190, 30) of the unscrolled map
    for (int notch = 0; notch < 4; ++notch) {
        const QPointF at = QPointF(pointer - Canvas()->pos());
        QWheelEvent wheel(at, Canvas()->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Canvas(), &wheel);
    }
    ASSERT_EQ(Canvas()->CellPixels(), 24);
    const QPoint after = pointer - Canvas()->pos();
    EXPECT_EQ(QPoint(after.x() / 24, after.y() / 24), QPoint(190, 30));
}

TEST_F(ZoomOverlayTest, ZoomKeysStepAndCtrl0ShowsTheWholeMap) {
    ResizeClient(900, 600);
    QTest::keyClick(&window, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(Canvas()->CellPixels(), 12);
    QTest::keyClick(&window, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(Canvas()->CellPixels(), 10);
    QTest::keyClick(&window, Qt::Key_0, Qt::ControlModifier);
    EXPECT_LE(Canvas()->width(), window.Viewport()->width());
    EXPECT_LE(Canvas()->height(), window.Viewport()->height());
    EXPECT_EQ(Canvas()->CellPixels(),
              FitCellPixels(window.Viewport()->width(), window.Viewport()->height()));
    EXPECT_EQ(Canvas()->pos(), QPoint(0, 0));
    // The whole map is the farthest one can zoom out.
    const int fit = Canvas()->CellPixels();
    QTest::keyClick(&window, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(Canvas()->CellPixels(), fit);
    for (int i = 0; i < 20; ++i) {
        window.Zoom().ZoomIn();
    }
    EXPECT_EQ(Canvas()->CellPixels(), kMaxCellPixels);
}

TEST_F(ZoomOverlayTest, From16PixelsTheCanvasDrawsTheGamesPictures) {
    Canvas()->SetOverlays(Overlays{false, false, false, false});
    Doc().SetCell(5, 5, Code(Chip::CoinBlock));
    Doc().SetCell(6, 5, Code(Chip::Goal1));
    Canvas()->SetCellPixels(16);
    EXPECT_EQ(CellPixels(Canvas(), 5, 5), Tiles().Picture(Code(Chip::CoinBlock)));
    EXPECT_EQ(CellPixels(Canvas(), 6, 5), Tiles().Picture(Code(Chip::Goal1)));
    Canvas()->SetCellPixels(32);
    EXPECT_EQ(CellPixels(Canvas(), 5, 5), Tiles()
                                              .Picture(Code(Chip::CoinBlock))
                                              .scaled(32, 32)
                                              .convertToFormat(QImage::Format_RGB32));
    Canvas()->SetCellPixels(12);
    EXPECT_EQ(
        CellPixels(Canvas(), 5, 5),
        Tiles().Tile(Code(Chip::CoinBlock)).scaled(12, 12).convertToFormat(QImage::Format_RGB32));
}

TEST_F(ZoomOverlayTest, PrintingAndExportKeepTheirSizesAtAnyZoom) {
    window.Palette()->setCurrentIndex(2);
    QTest::mouseClick(Canvas(), Qt::LeftButton, {}, {25, 35});
    window.PrintStage();
    window.Zoom().ZoomTo(32, {0, 0});
    window.PrintStage();
    ASSERT_EQ(printer.pages.size(), 2u);
    EXPECT_EQ(printer.pages[0], printer.pages[1]);
    EXPECT_EQ(window.Document().Canvas().size(), QSize(2000, 600));
}

TEST_F(ZoomOverlayTest, OverlaySwitchesAreRememberedBetweenSessions) {
    QAction* grid = window.FindAction(QStringLiteral("グリッド線(&G)"));
    QAction* start = window.FindAction(QStringLiteral("スタート位置(&S)"));
    ASSERT_NE(grid, nullptr);
    ASSERT_NE(start, nullptr);
    EXPECT_FALSE(grid->isChecked());
    EXPECT_TRUE(start->isChecked());
    grid->trigger();
    start->trigger();
    EXPECT_TRUE(Canvas()->CurrentOverlays().grid);
    EXPECT_FALSE(Canvas()->CurrentOverlays().start);

    MainWindow next(EditorServices{dialogs, printer, launcher, settings, folder.path(), ""});
    EXPECT_TRUE(next.FindAction(QStringLiteral("グリッド線(&G)"))->isChecked());
    EXPECT_FALSE(next.FindAction(QStringLiteral("スタート位置(&S)"))->isChecked());
    EXPECT_TRUE(next.Canvas()->CurrentOverlays().grid);
    EXPECT_FALSE(next.Canvas()->CurrentOverlays().start);
}

TEST_F(ZoomOverlayTest, OddOverlaySettingsKeepTheDefaults) {
    settings.setValue(QStringLiteral("overlays/grid"), QStringLiteral("perhaps"));
    settings.setValue(QStringLiteral("overlays/start"), QStringLiteral("false"));
    const Overlays overlays = LoadOverlays(settings);
    EXPECT_FALSE(overlays.grid);
    EXPECT_FALSE(overlays.start);
    EXPECT_TRUE(overlays.directions);
}

TEST_F(ZoomOverlayTest, OverlaysDrawOnlyWhereTheyBelong) {
    Canvas()->SetCellPixels(32);
    Doc().properties.STX = 3;
    Doc().properties.STYText = "5";  // row index 4
    window.Document().RedrawAll();
    Canvas()->SetOverlays(Overlays{false, false, false, false});
    const QImage plainStart = CellPixels(Canvas(), 3, 4);
    const QImage plainOther = CellPixels(Canvas(), 8, 8);
    Canvas()->SetOverlays(Overlays{false, true, false, false});
    EXPECT_NE(CellPixels(Canvas(), 3, 4), plainStart);
    EXPECT_EQ(CellPixels(Canvas(), 8, 8), plainOther);
    Canvas()->SetOverlays(Overlays{true, false, false, false});
    EXPECT_NE(CellPixels(Canvas(), 8, 8), plainOther);
}

TEST_F(ZoomOverlayTest, ArrowsPointWhereEachObjectStartsMoving) {
    Canvas()->SetCellPixels(32);
    Doc().SetCell(10, 10, Code(Chip::HorizontalLift));    // starts left
    Doc().SetCell(12, 10, Code(Chip::VerticalLiftDown));  // starts down
    const QRgb arrow = qRgb(255, 230, 40);
    Canvas()->SetOverlays(Overlays{false, false, true, false});
    const QImage lift = CellPixels(Canvas(), 10, 10);
    EXPECT_EQ(lift.pixel(16 - 4, 16), arrow);
    EXPECT_NE(lift.pixel(16 + 8, 16), arrow);
    const QImage down = CellPixels(Canvas(), 12, 10);
    EXPECT_EQ(down.pixel(16, 16 + 4), arrow);
    EXPECT_NE(down.pixel(16, 16 - 8), arrow);
    Canvas()->SetOverlays(Overlays{false, false, false, false});
    EXPECT_NE(CellPixels(Canvas(), 10, 10).pixel(16 - 4, 16), arrow);
}

TEST_F(ZoomOverlayTest, TheFirstViewFramesWhatThePlayerSeesAtTheStart) {
    Canvas()->SetCellPixels(16);
    Doc().properties.STX = 50;
    Doc().properties.STYText = "31";  // row index 30: view from y 360, 22.5 cells down
    Canvas()->SetOverlays(Overlays{false, false, false, false});
    const QImage off = Canvas()->grab().toImage();
    Canvas()->SetOverlays(Overlays{false, false, false, true});
    const QImage on = Canvas()->grab().toImage();
    // The frame runs along x 640..960 and y 360..600; nothing changes far from it.
    EXPECT_NE(on.copy(630, 350, 340, 260), off.copy(630, 350, 340, 260));
    EXPECT_EQ(on.copy(0, 0, 600, 300), off.copy(0, 0, 600, 300));
    EXPECT_EQ(on.copy(660, 380, 280, 200), off.copy(660, 380, 280, 200));
}

}  // namespace
}  // namespace tarn::editor::testing
