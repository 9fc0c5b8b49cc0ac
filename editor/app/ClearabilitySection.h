// The check panel's clearability section: 「クリア可能か調べる」 runs the planner on a
// copy of the stage in a worker thread, with a progress bar and a cancel button; a found
// clear is drawn over the canvas and can be saved as a replay file for the game's
// --replay.
#pragma once

#include <QWidget>
#include <atomic>
#include <memory>
#include <thread>

#include "editor/doc/ClearabilitySearch.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace tarn::editor {

class CanvasOverlay;
class MapDocument;
class UserDialogs;

class ClearabilitySection : public QWidget {
    Q_OBJECT
  public:
    ClearabilitySection(MapDocument& document, CanvasOverlay& overlay, UserDialogs& dialogs,
                        QWidget* parent = nullptr);
    // Cancels a running search and waits for its thread.
    ~ClearabilitySection() override;

    void SetBounds(const ClearabilityBounds& bounds) { bounds_ = bounds; }
    // Starts a search of the stage as it is now; nothing when one is running.
    void Start();
    void Cancel();
    bool Running() const { return worker_.joinable(); }
    const ClearabilityResult& Result() const { return result_; }
    // Asks for a file name and writes the found script there; false when nothing was
    // written.
    bool SaveReplay();

    QPushButton* StartButton() const { return start_; }
    QPushButton* CancelButton() const { return cancel_; }
    QPushButton* SaveButton() const { return save_; }
    QCheckBox* LowSpecBox() const { return lowSpec_; }
    QProgressBar* Progress() const { return progress_; }
    QLabel* ResultLabel() const { return label_; }

  signals:
    void finished();

  private:
    void Finished(ClearabilityResult result);
    // An edit makes a found route and script stale.
    void Forget();

    MapDocument& document_;
    CanvasOverlay& overlay_;
    UserDialogs& dialogs_;
    ClearabilityBounds bounds_;
    ClearabilityResult result_;
    std::atomic<bool> cancelled_{false};
    std::thread worker_;
    QPushButton* start_;
    QPushButton* cancel_;
    QPushButton* save_;
    QCheckBox* lowSpec_;
    QProgressBar* progress_;
    QLabel* label_;
};

}  // namespace tarn::editor
