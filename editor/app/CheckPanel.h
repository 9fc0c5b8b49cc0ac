// The 「チェック」 dock (F7): the stage's problems, kept current while it is shown. A
// double-click on a problem scrolls the map to its cell, frames it and selects it (in
// the selection mode), or puts the cursor in the property field it is about.
#pragma once

#include <QDockWidget>
#include <vector>

#include "editor/doc/StageChecks.h"

class QListWidget;
class QListWidgetItem;
class QLabel;

namespace tarn::editor {

class CanvasOverlay;
class ClearabilitySection;
class MainWindow;
class MapDocument;
class UserDialogs;

class CheckPanel : public QDockWidget {
    Q_OBJECT
  public:
    // Docks itself on the window's right, hidden, with its F7 toggle in the menu bar.
    // dialogs: where the clearability section asks for a replay file name.
    CheckPanel(MainWindow& window, UserDialogs& dialogs);

    QListWidget* List() const { return list_; }
    CanvasOverlay& Overlay() const { return *overlay_; }
    ClearabilitySection& Clearability() const { return *clearability_; }
    const std::vector<CheckProblem>& Problems() const { return problems_; }

    // Checks the stage again and shows what was found.
    void Refresh();
    // Scrolls the map so the cell is in view and frames it.
    void ShowCell(int column, int row);

  private:
    void ProblemActivated(QListWidgetItem* item);
    void FocusField(CheckField field);

    MainWindow& window_;
    QListWidget* list_;
    QLabel* summary_;
    CanvasOverlay* overlay_;
    ClearabilitySection* clearability_;
    std::vector<CheckProblem> problems_;
};

}  // namespace tarn::editor
