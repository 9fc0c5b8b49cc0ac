// 印刷: the half-size page on the default printer, and where there is none, the same page
// in a print preview or as a PDF.
#include <QComboBox>
#include <QFile>

#include "EditorWindowFixture.h"

namespace tarn::editor::testing {
namespace {

using PrintingTest = EditorWindowTest;
using ::tarn::testing::ReadFile;

TEST_F(PrintingTest, PrintSendsTheHalfSizePicture) {
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

TEST_F(PrintingTest, PrintWithoutPrinterTellsTheUser) {
    printer.works = false;
    window.PrintStage();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.front().endsWith(QStringLiteral("no printer")));
}

TEST_F(PrintingTest, PrintCommandWritesAPdfPageThroughQPrinter) {
    const QString pdf = QString::fromStdString(folder.File("page.pdf"));
    QtPagePrinter pdfPrinter(pdf);
    MainWindow printing(EditorServices{dialogs, pdfPrinter, launcher, settings, {}, {}});
    printing.PrintStage();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(4), QByteArray("%PDF"));
    EXPECT_GT(file.size(), 1000);
}

const QStringList kNoPrinterButtons = {"印刷プレビュー", "PDFに保存", "キャンセル"};

TEST_F(PrintingTest, WithoutPrinterThePageIsSavedAsAPdfNamedAfterTheStage) {
    printer.present = false;
    dialogs.choice = 1;
    const QString pdf = DataDir() + QStringLiteral("/first.pdf");
    dialogs.names = {pdf};
    window.PrintStage();
    ASSERT_EQ(dialogs.choices.size(), 1u);
    EXPECT_EQ(dialogs.choices.front(), kNoPrinterButtons);
    EXPECT_EQ(dialogs.offered.back(), pdf);
    EXPECT_EQ(dialogs.filters.back(), QStringLiteral("PDF|*.pdf"));
    EXPECT_EQ(printer.pdfs, QStringList{pdf});
    ASSERT_EQ(printer.pages.size(), 1u);
    EXPECT_EQ(printer.pages.front().size(), QSize(1000, 350));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(PrintingTest, WithoutPrinterThePreviewShowsTheSamePage) {
    printer.present = false;
    dialogs.choice = 0;
    window.PrintStage();
    ASSERT_EQ(printer.previews.size(), 1u);
    EXPECT_EQ(printer.previews.front().size(), QSize(1000, 350));
    EXPECT_TRUE(printer.pdfs.isEmpty());
    EXPECT_TRUE(dialogs.offered.isEmpty());
}

TEST_F(PrintingTest, ThePreviewsPdfButtonSavesThroughTheCheckedDialog) {
    printer.present = false;
    printer.previewAsksForPdf = true;
    dialogs.choice = 0;
    const QString pdf = DataDir() + QStringLiteral("/first.pdf");
    dialogs.names = {pdf};
    window.PrintStage();
    EXPECT_EQ(printer.previews.size(), 1u);
    EXPECT_EQ(dialogs.offered, QStringList{pdf});
    EXPECT_EQ(printer.pdfs, QStringList{pdf});
}

TEST_F(PrintingTest, WithoutPrinterCancelWritesNothing) {
    printer.present = false;
    dialogs.choice = 2;
    window.PrintStage();
    EXPECT_TRUE(printer.pages.empty());
    EXPECT_TRUE(printer.previews.empty());
    EXPECT_TRUE(dialogs.offered.isEmpty());
}

TEST_F(PrintingTest, ThePdfIsNeverWrittenOverAStage) {
    WriteStage(folder.File("data/keep.tr2"), StageFields{});
    const std::string stage = ReadFile(folder / "data/keep.tr2");
    printer.present = false;
    dialogs.choice = 1;
    dialogs.names = {DataDir() + QStringLiteral("/keep.tr2")};
    window.PrintStage();
    EXPECT_TRUE(printer.pdfs.isEmpty());
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(ReadFile(folder / "data/keep.tr2"), stage);
}

TEST_F(PrintingTest, QtPrinterWritesThePdfOfOnePage) {
    const QString pdf = QString::fromStdString(folder.File("saved.pdf"));
    QImage page(1000, 350, QImage::Format_RGB32);
    page.fill(Qt::white);
    QString error;
    ASSERT_TRUE(QtPagePrinter().SavePdf(page, pdf, error)) << error.toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n"), 1);
}

}  // namespace
}  // namespace tarn::editor::testing
