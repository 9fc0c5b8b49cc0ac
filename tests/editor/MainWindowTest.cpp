// The window: menus, caption, property fields, resizing, bitmap export, test
// play, and the --export-bmp command line.
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScrollBar>
#include <QUndoStack>
#include <QWheelEvent>
#include <QWindow>
#include <functional>
#include <tuple>
#include <vector>

#include "EditorWindowFixture.h"
#include "editor/app/ChipTiles.h"
#include "editor/app/StagePropertiesFields.h"
#include "support/Version.h"

namespace tarn::editor::testing {
namespace {

using MainWindowTest = EditorWindowTest;

QStringList MenuLines(QMenu* menu) {
    QStringList lines;
    for (QAction* action : menu->actions()) {
        lines << (action->isSeparator() ? QStringLiteral("-")
                                        : action->text() + "=" + action->shortcut().toString());
    }
    return lines;
}

TEST_F(MainWindowTest, FileMenuHoldsTheItemsInOrder) {
    const QList<QAction*> menus = window.menuBar()->actions();
    ASSERT_GE(menus.size(), 4);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("ファイル(&F)"));
    EXPECT_EQ(MenuLines(menus[0]->menu()),
              (QStringList{"新規作成(&N)=Ctrl+N", "-", "印刷(&P)=Ctrl+P", "Bitmap保存(&B)=Ctrl+B",
                           "-", "開く=Ctrl+O", "上書き保存(&S)=Ctrl+S", "名前を付けて保存=Ctrl+A",
                           "-", "最近使ったファイル(&R)=", "-", "終了(&X)=Ctrl+X"}));
    EXPECT_EQ(menus[1]->text(), QStringLiteral("編集(&E)"));
    // 切り取り takes Ctrl+X from 終了 only while cells are selected.
    EXPECT_EQ(MenuLines(menus[1]->menu()),
              (QStringList{"元に戻す(&U)=Ctrl+Z", "やり直し(&R)=Ctrl+Y", "-",
                           "切り取り(&T)=", "コピー(&C)=Ctrl+C", "貼り付け(&P)=Ctrl+V"}));
    EXPECT_EQ(menus[2]->text(), QStringLiteral("表示(&V)"));
    EXPECT_EQ(MenuLines(menus[2]->menu()),
              (QStringList{"拡大(&I)=Ctrl+=", "縮小(&O)=Ctrl+-", "マップ全体を表示(&W)=Ctrl+0", "-",
                           "グリッド線(&G)=", "スタート位置(&S)=", "動く物の最初の向き(&D)=",
                           "最初に見える範囲(&V)="}));
    EXPECT_EQ(menus[3]->text(), QStringLiteral("テストプレイ(&T)"));
    EXPECT_EQ(menus[3]->shortcut().toString(), QStringLiteral("F5"));
}

// The title the window system shows: Qt's placeholder replaced by the modified mark.
QString ShownTitle(const QWidget& window) {
    return window.windowHandle()->title();
}

TEST_F(MainWindowTest, TitleShowsTheFileNameFirstAndThePathAfterIt) {
    EXPECT_EQ(ShownTitle(window), QStringLiteral("無題 - Tarn2 NapEditer"));
    const QString path = QString::fromStdString(folder.File("1-1.tr2"));
    dialogs.names = {path};
    window.SaveStageAs();
    EXPECT_EQ(ShownTitle(window), QStringLiteral("1-1.tr2 - Tarn2 NapEditer - ") + path);
    window.NewStage();
    EXPECT_EQ(ShownTitle(window), QStringLiteral("無題 - Tarn2 NapEditer"));
}

TEST_F(MainWindowTest, TitleCarriesTheModifiedMarkUntilSaved) {
    QTest::mouseClick(Canvas(), Qt::LeftButton, {}, {5, 5});
    EXPECT_TRUE(window.isWindowModified());
    EXPECT_EQ(ShownTitle(window), QStringLiteral("無題* - Tarn2 NapEditer"));
    dialogs.names = {QString::fromStdString(folder.File("1-1.tr2"))};
    window.SaveStageAs();
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_TRUE(ShownTitle(window).startsWith(QStringLiteral("1-1.tr2 - ")));
    window.Fields().Text2()->setText(QStringLiteral("森"));
    EXPECT_TRUE(ShownTitle(window).startsWith(QStringLiteral("1-1.tr2* - ")));
}

TEST_F(MainWindowTest, CommandLineNameIsOfferedBySaveAs) {
    window.SaveStageAs();
    EXPECT_EQ(dialogs.offered.back(), DataDir() + QStringLiteral("/first.tr2"));
    EXPECT_EQ(dialogs.filters.back(), QStringLiteral("Tarn2マップデータファイル(*.tr2)|*.tr2"));
}

TEST(FileDialogFilter, TypeListShowsTheFilterTextsAsWritten) {
    for (auto [filter, shown, suffix] :
         {std::tuple{kStageFilter, "Tarn2マップデータファイル(*.tr2)", "tr2"},
          std::tuple{kBitmapFilter, "BMP", "bmp"}}) {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        SetDialogFilter(dialog, QString::fromUtf8(filter.data(), qsizetype(filter.size())));
        auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(types, nullptr);
        ASSERT_EQ(types->count(), 1);
        EXPECT_EQ(types->itemText(0), QString::fromUtf8(shown));
        EXPECT_EQ(dialog.defaultSuffix(), QString::fromUtf8(suffix));
    }
}

TEST_F(MainWindowTest, OpenFillsFieldsAndCanvasAndForgetsUndo) {
    Doc().properties.Text4 = "x";
    window.Palette()->setCurrentIndex(1);
    QTest::mouseClick(Canvas(), Qt::LeftButton, {}, {5, 5});
    StageFields fields;
    fields.stageName = "森の奥";
    fields.map[4][6] = 20;
    fields.startRowIndex = 9;
    WriteStage(folder.File("s.tr2"), fields);
    dialogs.answer = PromptAnswer::No;
    dialogs.names = {QString::fromStdString(folder.File("s.tr2"))};
    window.OpenStage();
    EXPECT_EQ(window.Fields().Text2()->text(), QStringLiteral("森の奥"));
    EXPECT_EQ(window.Fields().STY()->currentText(), QStringLiteral("10"));
    EXPECT_EQ(window.Fields().Text4()->text(), QStringLiteral("NONE"));
    EXPECT_EQ(QImage(window.Document().Canvas().copy(MapDocument::CellRect(6, 4))),
              Tiles().Tile(20));
    EXPECT_EQ(Doc().Cell(0, 0), 0);
    EXPECT_FALSE(window.Document().UndoStack().canUndo());
    EXPECT_EQ(dialogs.questions.size(), 1);
}

TEST_F(MainWindowTest, NewSelectsTheBreakableBlockAndKeepsGoalTwo) {
    window.Fields().Text4()->setText(QStringLiteral("g2"));
    window.Fields().Text2()->setText(QStringLiteral("name"));
    dialogs.answer = PromptAnswer::No;
    window.NewStage();
    EXPECT_EQ(window.Palette()->currentIndex(), 1);
    EXPECT_EQ(window.Fields().Text2()->text(), QString());
    EXPECT_EQ(window.Fields().Text4()->text(), QStringLiteral("g2"));
    EXPECT_EQ(window.Fields().Times()->currentText(), QStringLiteral("150"));
}

TEST_F(MainWindowTest, CloseWithChangesAndCancelKeepsTheWindow) {
    Doc().SetModified(true);
    dialogs.answer = PromptAnswer::Cancel;
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(dialogs.questions.front(),
              QStringLiteral("Tarn2 MapEditer|内容が変更されています。上書き保存しますか？"));
}

TEST_F(MainWindowTest, FieldLabelsShowTheirWholeText) {
    for (QLabel* label : window.ClientArea()->findChildren<QLabel*>()) {
        if (label->text().isEmpty() || label == window.InfoLabel() ||
            label == window.CursorLabel()) {
            continue;
        }
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        EXPECT_LE(needed, label->contentsRect().width()) << label->text().toStdString();
        EXPECT_GE(label->mapTo(window.ClientArea(), QPoint(0, 0)).x(), 0)
            << label->text().toStdString();
    }
}

TEST_F(MainWindowTest, StartsWithAtLeastTheClassicClientAreaWithinTheScreen) {
    const QSize client = window.ClientArea()->size();
    EXPECT_GE(client.width(), 683);
    EXPECT_GE(client.height(), 471);
    EXPECT_LE(client.width(), window.screen()->availableGeometry().width());
    EXPECT_LE(client.height(), window.screen()->availableGeometry().height());
}

TEST_F(MainWindowTest, DrawModeListShowsRangeSelectionUncut) {
    QComboBox* modes = window.DrawModeList();
    modes->setCurrentIndex(1);
    const int textWidth = modes->fontMetrics().horizontalAdvance(modes->currentText());
    EXPECT_GE(modes->width(), modes->sizeHint().width());
    EXPECT_GT(modes->width(), textWidth);
    EXPECT_GT(window.InfoLabel()->x(), modes->geometry().right());
}

TEST_F(MainWindowTest, OpeningAStageScrollsItsStartPositionIntoView) {
    StageFields stage;
    stage.startColumnIndex = 150;
    stage.startRowIndex = 55;
    WriteStage(folder.File("far.tr2"), stage);
    dialogs.names = {QString::fromStdString(folder.File("far.tr2"))};
    window.OpenStage();
    const QRect visible = window.Viewport()->rect().translated(-Canvas()->pos());
    EXPECT_TRUE(visible.contains(QRect(150 * 10, 55 * 10, 10, 10)))
        << visible.x() << "," << visible.y();
    window.NewStage();
    EXPECT_EQ(Canvas()->pos(), QPoint(0, 0));
}

TEST_F(MainWindowTest, LowWindowSnapsBackTo440High) {
    window.resize(600, 200);
    QApplication::processEvents();
    EXPECT_EQ(window.height(), 440);
    EXPECT_EQ(window.width(), 600);
}

TEST_F(MainWindowTest, NarrowWindowSnapsBackTo440) {
    window.resize(300, 500);
    QApplication::processEvents();
    EXPECT_EQ(window.width(), 440);
}

TEST_F(MainWindowTest, ViewportLaysOutAndBarsScrollTheCanvas) {
    ResizeClient(504 + 17, 304 + 30 + 136);
    EXPECT_EQ(window.Viewport()->geometry(), QRect(4, 136, 504, 304));
    EXPECT_EQ(window.HorizontalBar()->minimum(), -1496);
    EXPECT_EQ(window.VerticalBar()->minimum(), -296);
    window.HorizontalBar()->setValue(-320);
    window.VerticalBar()->setValue(-16);
    EXPECT_EQ(Canvas()->pos(), QPoint(-320, -16));
}

TEST_F(MainWindowTest, WheelOverTheCanvasScrollsDown) {
    ResizeClient(683, 471);
    QWheelEvent wheel(QPointF(50, 50), Canvas()->mapToGlobal(QPointF(50, 50)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Canvas(), &wheel);
    EXPECT_EQ(window.VerticalBar()->value(), -48);
    EXPECT_EQ(Canvas()->y(), -48);
}

TEST_F(MainWindowTest, BitmapExportHasMapAboveAndSummaryAtY600) {
    window.Palette()->setCurrentIndex(2);
    QTest::mouseClick(Canvas(), Qt::LeftButton, {}, {25, 35});
    const QString path = QString::fromStdString(folder.File("map.bmp"));
    dialogs.names = {path};
    window.ExportBitmap();
    EXPECT_EQ(dialogs.filters.back(), QStringLiteral("BMP|*.bmp"));
    EXPECT_EQ(dialogs.offered.back(), DataDir() + QStringLiteral("/first.bmp"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GT(bytes.size(), 30);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(quint8(bytes[28]), 24);  // bits per pixel
    const QImage image(path);
    ASSERT_EQ(image.size(), QSize(2000, 700));
    EXPECT_EQ(image.copy(20, 30, 10, 10).convertToFormat(QImage::Format_RGB32), Tiles().Tile(2));
    EXPECT_EQ(image.pixel(500, 599), qRgb(0, 0, 0));
    EXPECT_FALSE(HasDarkPixel(image, QRect(0, 640, 2000, 60)));
    EXPECT_TRUE(HasDarkPixel(image, QRect(0, 600, 300, 16)));
    EXPECT_EQ(image.pixel(1990, 605), qRgb(255, 255, 255));
}

// Saving myst.tr2, then Ctrl+B and confirming the proposed name must not turn the
// stage into a picture.
TEST_F(MainWindowTest, CtrlBAfterASaveProposesABmpAndNeverReplacesTheStage) {
    const QString stage = QString::fromStdString(folder.File("myst.tr2"));
    dialogs.names = {stage};
    window.SaveStageAs();
    const std::string saved = ReadPlain(stage.toStdString());
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    dialogs.names = {stage};
    QTest::keyClick(&window, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(dialogs.offered.back(), QString::fromStdString(folder.File("myst.bmp")));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(ReadPlain(stage.toStdString()), saved);
    EXPECT_FALSE(Doc().Modified());
}

TEST_F(MainWindowTest, CancelledBitmapExportWritesNothing) {
    window.ExportBitmap();
    EXPECT_TRUE(std::filesystem::is_empty(DataDir().toStdString()));
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path())) {
        EXPECT_NE(entry.path().extension(), ".bmp") << entry.path();
    }
    EXPECT_EQ(window.Commands().CurrentFilter(), FileFilter::Stage);
}

// A background picture in the program folder's bmp folder, named in the stage.
void GiveBackground(const std::filesystem::path& programDir, StageDocument& doc) {
    std::filesystem::create_directory(programDir / "bmp");
    QImage(16, 16, QImage::Format_RGB32)
        .save(QString::fromStdString((programDir / "bmp/sky.bmp").string()));
    doc.properties.Text1 = "sky.bmp";
}

TEST_F(MainWindowTest, TestPlayStartsTheGameOnATemporaryCopy) {
    GiveBackground(folder.path(), Doc());
    Doc().SetCell(7, 8, 12);
    Doc().SetModified(true);
    window.TestPlay();
    EXPECT_EQ(launcher.program, folder / "TarnVer2");
    ASSERT_EQ(launcher.arguments.size(), 3u);
    EXPECT_EQ(launcher.arguments[0], "--windowed");
    EXPECT_EQ(launcher.arguments[1], "--stage");
    const GameStageText game = ReadGameStage(ReadPlain(launcher.arguments[2]));
    EXPECT_EQ(game.rows[8][7], 12);
    EXPECT_TRUE(Doc().Modified());
    EXPECT_EQ(Doc().CurrentFile, "");
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(MainWindowTest, SecondF5WhileTheGameRunsStartsNoSecondGame) {
    GiveBackground(folder.path(), Doc());
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F5);
    ASSERT_EQ(launcher.starts, 1);
    const std::string stage = launcher.arguments.back();
    const std::string first = ReadPlain(stage);
    Doc().SetCell(0, 0, 2);
    QTest::keyClick(&window, Qt::Key_F5);
    EXPECT_EQ(launcher.starts, 1);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.front().contains(QStringLiteral("まだ動いています")));
    EXPECT_EQ(ReadPlain(stage), first);  // the running game's stage is kept
    launcher.running = false;
    QTest::keyClick(&window, Qt::Key_F5);
    EXPECT_EQ(launcher.starts, 2);
}

TEST_F(MainWindowTest, TestPlayThatCannotStartTellsTheUser) {
    GiveBackground(folder.path(), Doc());
    launcher.works = false;
    window.TestPlay();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.front().contains(QStringLiteral("TarnVer2")));
}

// The game cannot load a stage without its background picture and would end silently.
TEST_F(MainWindowTest, TestPlayWithoutBackgroundPictureTellsTheUserInstead) {
    window.TestPlay();
    Doc().properties.Text1 = "none.bmp";
    window.TestPlay();
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("ﾊﾞｯｸｸﾞﾗｳﾝﾄﾞ")));
    EXPECT_TRUE(dialogs.messages[1].contains(QStringLiteral("none.bmp")));
    EXPECT_TRUE(launcher.program.empty());
}

TEST(GridsmithProgram, VersionIsTheProjectsVersion) {
    QProcess process;
    process.start(GridsmithPath(), {"--version"});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(process.readAllStandardOutput().toStdString(),
              std::string("Gridsmith ") + kVersion + "\n");
}

TEST_F(MainWindowTest, CommandLineExportMatchesTheWindowsExport) {
    StageFields fields;
    fields.map[3][2] = 2;
    fields.stageName = "cli";
    WriteStage(folder.File("s.tr2"), fields);
    QProcess process;
    process.start(GridsmithPath(), {"--export-bmp", QString::fromStdString(folder.File("s.tr2")),
                                    QString::fromStdString(folder.File("cli.bmp"))});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    const QImage image(QString::fromStdString(folder.File("cli.bmp")));
    ASSERT_EQ(image.size(), QSize(2000, 700));
    EXPECT_EQ(image.copy(20, 30, 10, 10).convertToFormat(QImage::Format_RGB32), Tiles().Tile(2));
}

TEST_F(MainWindowTest, CommandLineExportOfMissingStageFails) {
    QProcess process;
    process.start(GridsmithPath(), {"--export-bmp", QString::fromStdString(folder.File("no.tr2")),
                                    QString::fromStdString(folder.File("out.bmp"))});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_NE(process.exitCode(), 0);
    EXPECT_FALSE(process.readAllStandardError().isEmpty());
    EXPECT_FALSE(std::filesystem::exists(folder.File("out.bmp")));
}

}  // namespace
}  // namespace tarn::editor::testing
