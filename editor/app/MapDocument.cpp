// Canvas upkeep for the document: a stamp writes ten rows of ten pixels.
#include "editor/app/MapDocument.h"

#include <cstring>

#include "editor/app/ChipTiles.h"
#include "editor/doc/CanvasRules.h"

namespace tarn::editor {

MapDocument::MapDocument(QObject* parent)
    : QObject(parent), canvas_(kCanvasWidth, kCanvasHeight, QImage::Format_RGB32) {
    canvas_.fill(Qt::black);
}

QRect MapDocument::CellRect(int column, int row) {
    return QRect(column * kCellPixels, row * kCellPixels, kCellPixels, kCellPixels);
}

void MapDocument::StampQuietly(int column, int row, int code) {
    if (!InsideMap(column, row)) {
        return;
    }
    doc_.SetCell(column, row, code);
    const QImage& tile = Tiles().Tile(code);
    for (int y = 0; y < kCellPixels; ++y) {
        auto* dst =
            reinterpret_cast<QRgb*>(canvas_.scanLine(row * kCellPixels + y)) + column * kCellPixels;
        std::memcpy(dst, tile.constScanLine(y), sizeof(QRgb) * kCellPixels);
    }
}

void MapDocument::Stamp(int column, int row, int code) {
    if (!InsideMap(column, row)) {
        return;
    }
    StampQuietly(column, row, code);
    emit cellsChanged(CellRect(column, row));
}

void MapDocument::RedrawAll() {
    for (int column = 0; column < kMapColumns; ++column) {
        for (int row = 0; row < kMapRows; ++row) {
            StampQuietly(column, row, doc_.Cell(column, row));
        }
    }
    emit cellsChanged(canvas_.rect());
}

void MapDocument::DocumentReplaced() {
    undoStack_.clear();
    RedrawAll();
}

}  // namespace tarn::editor
