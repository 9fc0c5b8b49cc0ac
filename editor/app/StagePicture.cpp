// Composition of the print and export pictures. The summary's top edge sits at the given
// y, as text printed at a print position does.
#include "editor/app/StagePicture.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QSaveFile>

namespace tarn::editor {
namespace {

void DrawLine(QImage& picture, int y, const QString& text) {
    QPainter painter(&picture);
    QFont font(QStringLiteral("VL PGothic"));
    font.setPixelSize(kSummaryPixelSize);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(font);
    painter.drawText(QPoint(0, y + metrics.ascent()), text);
}

}  // namespace

QImage ComposePrintPicture(const QImage& canvas, const QString& summary,
                           const QString& currentFile) {
    QImage picture(canvas.width() / 2, canvas.height() / 2 + 50, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        const QImage half = canvas.scaled(canvas.width() / 2, canvas.height() / 2,
                                          Qt::IgnoreAspectRatio, Qt::FastTransformation);
        painter.drawImage(0, 0, half);
    }
    DrawLine(picture, canvas.height() / 2, summary + QStringLiteral("  Filename") + currentFile);
    return picture;
}

QImage ComposeExportPicture(const QImage& canvas, const QString& summary) {
    QImage picture(canvas.width(), canvas.height() + 100, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.drawImage(0, 0, canvas);
    }
    DrawLine(picture, canvas.height(), summary);
    return picture;
}

bool SaveBitmap(const QImage& picture, const QString& path, QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "BMP") || !file.commit()) {
        error = QStringLiteral("ビットマップを保存できませんでした。\n") + path;
        return false;
    }
    return true;
}

}  // namespace tarn::editor
