// The window's view of the map: the 表示 menu (zoom, overlays), the clipboard commands
// of the 編集 menu and the cell menu of the canvas.
//
// Ctrl+X is 終了 in the ファイル menu. While cells are selected the shortcut moves to
// 切り取り, and it comes back to 終了 as soon as the selection is gone (Esc, another
// draw mode, a new or opened stage), so Ctrl+X never cuts nothing and never quits with
// cells selected. 終了 stays in the menu throughout.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include "editor/app/MainWindow.h"
#include "editor/app/MapCanvas.h"
#include "editor/app/MapClipboard.h"
#include "editor/app/OverlaySettings.h"
#include "editor/app/StagePropertiesFields.h"
#include "editor/app/ZoomControl.h"

namespace tarn::editor {

void MainWindow::BuildViewMenu() {
    QMenu* view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    QAction* in = view->addAction(QStringLiteral("拡大(&I)"), zoom_, &ZoomControl::ZoomIn);
    in->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)});
    view->addAction(QStringLiteral("縮小(&O)"), zoom_, &ZoomControl::ZoomOut)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    view->addAction(QStringLiteral("マップ全体を表示(&W)"), zoom_, &ZoomControl::Fit)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    view->addSeparator();

    canvas_->SetOverlays(LoadOverlays(services_.settings));
    auto toggle = [this, view](const QString& text, bool Overlays::*member) {
        QAction* action = view->addAction(text);
        action->setCheckable(true);
        action->setChecked(canvas_->CurrentOverlays().*member);
        connect(action, &QAction::toggled, this, [this, member](bool on) {
            Overlays overlays = canvas_->CurrentOverlays();
            overlays.*member = on;
            canvas_->SetOverlays(overlays);
            SaveOverlays(services_.settings, overlays);
        });
    };
    toggle(QStringLiteral("グリッド線(&G)"), &Overlays::grid);
    toggle(QStringLiteral("スタート位置(&S)"), &Overlays::start);
    toggle(QStringLiteral("動く物の最初の向き(&D)"), &Overlays::directions);
    toggle(QStringLiteral("最初に見える範囲(&V)"), &Overlays::firstView);
}

void MainWindow::BuildClipboardActions(QMenu* edit) {
    edit->addSeparator();
    cut_ = edit->addAction(QStringLiteral("切り取り(&T)"), this, &MainWindow::CutCells);
    copy_ = edit->addAction(QStringLiteral("コピー(&C)"), this, &MainWindow::CopyCells);
    copy_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    QAction* paste = edit->addAction(QStringLiteral("貼り付け(&P)"), this, &MainWindow::PasteCells);
    paste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    SelectionChanged(false);
}

void MainWindow::SelectionChanged(bool hasSelection) {
    cut_->setEnabled(hasSelection);
    copy_->setEnabled(hasSelection);
    const QKeySequence ctrlX(Qt::CTRL | Qt::Key_X);
    cut_->setShortcut(hasSelection ? ctrlX : QKeySequence());
    exit_->setShortcut(hasSelection ? QKeySequence() : ctrlX);
}

void MainWindow::CopyCells() {
    if (!canvas_->ButtonHeld()) {
        clipboard_->Copy();
    }
}

void MainWindow::CutCells() {
    if (!canvas_->ButtonHeld()) {
        clipboard_->Cut();
    }
}

void MainWindow::PasteCells() {
    if (canvas_->ButtonHeld()) {
        return;
    }
    // The pasted cells come down selected, ready to be copied or cut again.
    drawMode_->setCurrentIndex(kSelectMode);
    if (!clipboard_->Paste()) {
        info_->setText(
            QString::fromUtf8(kNothingToPasteText.data(), qsizetype(kNothingToPasteText.size())));
    }
}

void MainWindow::SetStartCell(int column, int row) {
    if (!InsideMap(column, row)) {
        return;
    }
    StageProperties& properties = document_.Doc().properties;
    const std::string rowText = std::to_string(row + 1);
    if (properties.STX != column || properties.STYText != rowText) {
        properties.STX = column;
        properties.STYText = rowText;
        document_.Doc().SetModified(true);
    }
    fields_->Refresh();
    canvas_->update();
}

void MainWindow::ShowCellMenu(int column, int row, const QPoint& globalPosition) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QStringLiteral("ここをスタート位置に"), this,
                    [this, column, row] { SetStartCell(column, row); });
    menu->addSeparator();
    menu->addAction(cut_);
    menu->addAction(copy_);
    menu->addAction(FindAction(QStringLiteral("貼り付け(&P)")));
    menu->popup(globalPosition);
}

}  // namespace tarn::editor
