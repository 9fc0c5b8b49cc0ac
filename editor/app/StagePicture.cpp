// Composition of the print and export pictures. The summary's top edge sits at the given
// y, as text printed at a print position does.
#include "editor/app/StagePicture.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include "support/FileBytes.h"
#include "support/FileWords.h"
#include "support/UserText.h"

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

bool SaveBitmap(const QImage& picture, const std::filesystem::path& path, QString& error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    FileReason why;
    FileStatus status = FileStatus::WriteFailed;
    if (buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "BMP")) {
        status = WriteFileAtomically(path, {bytes.constData(), std::size_t(bytes.size())}, &why);
    }
    if (status != FileStatus::Ok) {
        error =
            QStringLiteral("ビットマップを保存できませんでした。\n") +
            QString::fromStdString(ShownPath(path) + "\n（" + DescribeFileJa(status, why) + "）");
        return false;
    }
    return true;
}

}  // namespace tarn::editor
