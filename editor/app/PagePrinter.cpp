// Printing through Qt's print support. The picture is drawn at the page's origin and
// shrunk to the printable width when it is wider, keeping its proportions.
#include "editor/app/PagePrinter.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

namespace tarn::editor {

bool QtPagePrinter::PrintPage(const QImage& picture, QString& error) {
    std::unique_ptr<QPrinter> printer;
    if (pdfPath_.isEmpty()) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) {
            error = QStringLiteral(
                "印刷できるプリンタが見つかりません。\nプリンタを設定してから、もう一度印刷してくだ"
                "さい。");
            return false;
        }
        printer = std::make_unique<QPrinter>(info);
    } else {
        printer = std::make_unique<QPrinter>();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfPath_);
    }
    printer->setDocName(QStringLiteral("Gridsmith"));
    QPainter painter;
    if (!painter.begin(printer.get())) {
        error = QStringLiteral("印刷を開始できませんでした。");
        return false;
    }
    const QRect page = painter.viewport();
    QRect target(QPoint(0, 0), picture.size());
    if (picture.width() > page.width() && picture.width() > 0) {
        target.setSize(picture.size().scaled(page.width(), page.height(), Qt::KeepAspectRatio));
    }
    painter.drawImage(target, picture);
    if (!painter.end()) {
        error = QStringLiteral("印刷を完了できませんでした。");
        return false;
    }
    return true;
}

}  // namespace tarn::editor
