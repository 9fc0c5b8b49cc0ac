// The window: menus, caption, property fields, resizing, printing, bitmap export, test
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
#include <tuple>

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

bool HasDarkPixel(const QImage& image, QRect area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                return true;
            }
        }
    }
    return false;
}

TEST_F(MainWindowTest, FileMenuHoldsTheItemsInOrder) {
    const QList<QAction*> menus = window.menuBar()->actions();
    ASSERT_GE(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("ファイル(&F)"));
    EXPECT_EQ(MenuLines(menus[0]->menu()),
              (QStringList{"新規作成(&N)=Ctrl+N", "-", "印刷(&P)=Ctrl+P", "Bitmap保存(&B)=Ctrl+B",
                           "-", "開く=Ctrl+O", "上書き保存(&S)=Ctrl+S", "名前を付けて保存=Ctrl+A",
                           "-", "終了(&X)=Ctrl+X"}));
    EXPECT_EQ(menus[1]->text(), QStringLiteral("編集(&E)"));
    EXPECT_EQ(MenuLines(menus[1]->menu()),
              (QStringList{"元に戻す(&U)=Ctrl+Z", "やり直し(&R)=Ctrl+Y"}));
    EXPECT_EQ(menus[2]->text(), QStringLiteral("テストプレイ(&T)"));
    EXPECT_EQ(menus[2]->shortcut().toString(), QStringLiteral("F5"));
}

TEST_F(MainWindowTest, CaptionFollowsTheDocument) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tarn2 NapEditer - 無題"));
    const QString path = QString::fromStdString(folder.File("a.tr2"));
    dialogs.names = {path};
    window.SaveStageAs();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tarn2 NapEditer - ") + path);
    window.NewStage();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tarn2 NapEditer - 無題"));
}

TEST_F(MainWindowTest, CommandLineNameIsOfferedBySaveAs) {
    window.SaveStageAs();
    EXPECT_EQ(dialogs.offered.back(), QStringLiteral("first.tr2"));
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
    window.NewStage();
    EXPECT_EQ(window.Palette()->currentIndex(), 1);
    EXPECT_EQ(window.Fields().Text2()->text(), QString());
    EXPECT_EQ(window.Fields().Text4()->text(), QStringLiteral("g2"));
    EXPECT_EQ(window.Fields().Times()->currentText(), QStringLiteral("150"));
}

TEST_F(MainWindowTest, CloseWithChangesAndCancelKeepsTheWindow) {
    Doc().Modified = true;
    dialogs.answer = PromptAnswer::Cancel;
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(dialogs.questions.front(),
              QStringLiteral("Tarn2 MapEditer|内容が変更されています。上書き保存しますか？"));
}

TEST_F(MainWindowTest, ClearedTimeLimitComesBackAs150) {
    window.Fields().Times()->setEditText(QString());
    EXPECT_EQ(window.Fields().Times()->currentText(), QStringLiteral("150"));
    EXPECT_EQ(Doc().properties.Times, "150");
}

TEST_F(MainWindowTest, ZeroTimeLimitBecomesZeroAndLettersDoNotCrash) {
    window.Fields().Times()->setEditText(QStringLiteral("00"));
    EXPECT_EQ(window.Fields().Times()->currentText(), QStringLiteral("0"));
    QTest::keyClicks(window.Fields().Times(), QStringLiteral("abc"));
    EXPECT_EQ(NumericValue(Doc().properties.Times), 0.0);
    EXPECT_FALSE(Doc().properties.Times.empty());
}

TEST_F(MainWindowTest, TypedTimeLimitIsNotCompletedFromTheList) {
    QComboBox* times = window.Fields().Times();
    window.activateWindow();
    times->setFocus();
    times->lineEdit()->selectAll();
    QTest::keyClicks(times->lineEdit(), QStringLiteral("30"));
    EXPECT_EQ(times->currentText(), QStringLiteral("30"));
    EXPECT_EQ(Doc().properties.Times, "30");
}

TEST_F(MainWindowTest, PropertyEditsDoNotMarkModified) {
    window.Fields().Text1()->setText(QStringLiteral("bg.bmp"));
    window.Fields().STX()->setCurrentIndex(5);
    EXPECT_EQ(Doc().properties.STX, 5);
    EXPECT_FALSE(Doc().Modified);
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

TEST_F(MainWindowTest, StartsWithAClientAreaOf683By471) {
    EXPECT_EQ(window.ClientArea()->size(), QSize(683, 471));
    EXPECT_EQ(window.Viewport()->geometry(), QRect(4, 136, 666, 305));
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
    const int menu = window.height() - window.ClientArea()->height();
    window.resize(504 + 17, 304 + 30 + 136 + menu);
    QApplication::processEvents();
    EXPECT_EQ(window.Viewport()->geometry(), QRect(4, 136, 504, 304));
    EXPECT_EQ(window.HorizontalBar()->minimum(), -1496);
    EXPECT_EQ(window.VerticalBar()->minimum(), -296);
    window.HorizontalBar()->setValue(-320);
    window.VerticalBar()->setValue(-16);
    EXPECT_EQ(Canvas()->pos(), QPoint(-320, -16));
}

TEST_F(MainWindowTest, WheelOverTheCanvasScrollsDown) {
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
    EXPECT_EQ(dialogs.offered.back(), QStringLiteral("first.tr2"));
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

TEST_F(MainWindowTest, CancelledBitmapExportWritesNothing) {
    window.ExportBitmap();
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
    EXPECT_EQ(window.Commands().CurrentFilter(), FileFilter::Stage);
}

TEST_F(MainWindowTest, PrintSendsTheHalfSizePicture) {
    window.Palette()->setCurrentIndex(2);
    QTest::mouseClick(Canvas(), Qt::LeftButton, {}, {25, 35});
    window.PrintStage();
    ASSERT_EQ(printer.pages.size(), 1u);
    const QImage& page = printer.pages.front();
    ASSERT_EQ(page.size(), QSize(1000, 350));
    EXPECT_NE(page.pixel(12, 17), qRgb(0, 0, 0));  // the block, halved, at (10..14, 15..19)
    EXPECT_TRUE(HasDarkPixel(page, QRect(0, 300, 300, 16)));
    EXPECT_FALSE(HasDarkPixel(page, QRect(0, 320, 1000, 30)));
}

TEST_F(MainWindowTest, PrintWithoutPrinterTellsTheUser) {
    printer.works = false;
    window.PrintStage();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.front().endsWith(QStringLiteral("no printer")));
}

TEST_F(MainWindowTest, PrintCommandWritesAPdfPageThroughQPrinter) {
    const QString pdf = QString::fromStdString(folder.File("page.pdf"));
    QtPagePrinter pdfPrinter(pdf);
    MainWindow printing(EditorServices{dialogs, pdfPrinter, launcher, QString(), {}, {}});
    printing.PrintStage();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(4), QByteArray("%PDF"));
    EXPECT_GT(file.size(), 1000);
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
    Doc().Modified = true;
    window.TestPlay();
    EXPECT_EQ(launcher.program, ProgramDir() + QStringLiteral("/TarnVer2"));
    ASSERT_EQ(launcher.arguments.size(), 3);
    EXPECT_EQ(launcher.arguments[0], QStringLiteral("--windowed"));
    EXPECT_EQ(launcher.arguments[1], QStringLiteral("--stage"));
    const GameStageText game = ReadGameStage(ReadPlain(launcher.arguments[2].toStdString()));
    EXPECT_EQ(game.rows[8][7], 12);
    EXPECT_TRUE(Doc().Modified);
    EXPECT_EQ(Doc().CurrentFile, "");
    EXPECT_TRUE(dialogs.messages.isEmpty());
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
    EXPECT_TRUE(launcher.program.isEmpty());
}

QString GridsmithPath() {
    return QString::fromLocal8Bit(qgetenv("TARN_PROGRAM_DIR")) + QStringLiteral("/Gridsmith");
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
