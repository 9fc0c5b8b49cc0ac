// Printing through Qt's print support. The picture is drawn at the page's origin and
// shrunk to the printable width when it is wider, keeping its proportions; the printer,
// the PDF and the preview all draw the page the same way.
#include "editor/app/PagePrinter.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QVBoxLayout>
#include <memory>

namespace tarn::editor {
namespace {

void DrawPage(QPainter& painter, const QImage& picture) {
    const QRect page = painter.viewport();
    QRect target(QPoint(0, 0), picture.size());
    if (picture.width() > page.width() && picture.width() > 0) {
        target.setSize(picture.size().scaled(page.width(), page.height(), Qt::KeepAspectRatio));
    }
    painter.drawImage(target, picture);
}

bool PrintOn(QPrinter& printer, const QImage& picture, QString& error) {
    printer.setDocName(QStringLiteral("Gridsmith"));
    QPainter painter;
    if (!painter.begin(&printer)) {
        error = QStringLiteral("印刷を開始できませんでした。");
        return false;
    }
    DrawPage(painter, picture);
    if (!painter.end()) {
        error = QStringLiteral("印刷を完了できませんでした。");
        return false;
    }
    return true;
}

void MakePdf(QPrinter& printer, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}

}  // namespace

bool QtPagePrinter::HasPrinter() const {
    return !pdfPath_.isEmpty() || !QPrinterInfo::defaultPrinter().isNull();
}

bool QtPagePrinter::PrintPage(const QImage& picture, QString& error) {
    if (!pdfPath_.isEmpty()) {
        return SavePdf(picture, pdfPath_, error);
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        error = QStringLiteral(
            "印刷できるプリンタが見つかりません。\nプリンタを設定してから、もう一度印刷してくだ"
            "さい。");
        return false;
    }
    QPrinter printer(info);
    return PrintOn(printer, picture, error);
}

bool QtPagePrinter::SavePdf(const QImage& picture, const QString& path, QString& error) {
    QPrinter printer;
    MakePdf(printer, path);
    if (!PrintOn(printer, picture, error)) {
        error = QStringLiteral("PDFを保存できませんでした。\n%1").arg(path);
        return false;
    }
    return true;
}

bool QtPagePrinter::ShowPreview(const QImage& picture, QWidget* parent) {
    // Qt's own preview dialog would write a PDF under any name typed into its print
    // dialog, a stage's included; this one hands the PDF back to the caller.
    QPrinter printer;
    MakePdf(printer, QString());
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("印刷プレビュー"));
    auto* preview = new QPrintPreviewWidget(&printer, &dialog);
    QObject::connect(preview, &QPrintPreviewWidget::paintRequested, &dialog,
                     [&picture](QPrinter* target) {
                         QPainter painter(target);
                         DrawPage(painter, picture);
                     });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    buttons->addButton(QStringLiteral("PDFに保存"), QDialogButtonBox::AcceptRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(preview);
    layout->addWidget(buttons);
    dialog.resize(640, 720);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace tarn::editor
