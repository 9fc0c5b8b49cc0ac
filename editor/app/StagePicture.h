// The pictures made from the canvas: the half-size print picture and the full-size
// bitmap export, each with the stage summary written under the map.
#pragma once

#include <filesystem>

#include <QImage>
#include <QString>

namespace tarn::editor {

inline constexpr int kSummaryPixelSize = 12;

// 1000 x 350: the canvas at half size, then summary & "  Filename" & file at y 300.
QImage ComposePrintPicture(const QImage& canvas, const QString& summary,
                           const QString& currentFile);
// 2000 x 700: the canvas at full size, then the summary at y 600 on white.
QImage ComposeExportPicture(const QImage& canvas, const QString& summary);

// Writes a 24-bit BMP atomically (see WriteFileAtomically); a read-only file is kept.
bool SaveBitmap(const QImage& picture, const std::filesystem::path& path, QString& error);

}  // namespace tarn::editor
