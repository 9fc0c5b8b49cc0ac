// The editor window: menus, property fields, palette, draw mode, the scrolled canvas and
// its labels. Commands run on the MapDocument; dialogs, printer and game start go
// through the interfaces handed in, so tests can drive the window directly.
#pragma once

#include <QMainWindow>
#include <QString>
#include <filesystem>
#include <memory>
#include <string>

#include "editor/app/DialogFolders.h"
#include "editor/app/MapDocument.h"
#include "editor/app/RecentFiles.h"
#include "editor/doc/FileCommands.h"

class QAction;
class QImage;
class QComboBox;
class QLabel;
class QMenu;
class QScrollBar;
class QSettings;

namespace tarn::editor {

class CheckPanel;
class GameLauncher;
class MapCanvas;
class MapClipboard;
class ZoomControl;
class PagePrinter;
class PrivateFolder;
class SessionRecovery;
class StagePropertiesFields;
class UserDialogs;

inline constexpr std::string_view kProgramName = "Gridsmith";

struct EditorServices {
    UserDialogs& dialogs;
    PagePrinter& printer;
    GameLauncher& launcher;
    QSettings& settings;               // the dialogs' last folder and the recent files
    std::filesystem::path programDir;  // where TarnVer2 lives
    std::string commandLineName;       // first name the file dialogs propose (PathBytes)
    // Test-play copies go below it; empty: the system's temporary folder.
    std::filesystem::path workFolder = {};
    // In an install, the folder of the user's own stage folders: the dialogs start there.
    std::filesystem::path userStageFolder = {};
};

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(EditorServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    MapDocument& Document() { return document_; }
    FileCommands& Commands() { return *commands_; }
    MapCanvas* Canvas() const { return canvas_; }
    QWidget* Viewport() const { return viewport_; }
    QWidget* ClientArea() const { return centralWidget(); }
    QComboBox* Palette() const { return palette_; }
    QComboBox* DrawModeList() const { return drawMode_; }
    QLabel* InfoLabel() const { return info_; }
    QLabel* CursorLabel() const { return cursor_; }
    QScrollBar* HorizontalBar() const { return hs_; }
    QScrollBar* VerticalBar() const { return vs_; }
    StagePropertiesFields& Fields() { return *fields_; }
    QAction* FindAction(const QString& text) const;
    QMenu* RecentMenu() const { return recentMenu_; }
    ZoomControl& Zoom() { return *zoom_; }
    SessionRecovery& Recovery() { return *recovery_; }
    CheckPanel& Checks() { return *checks_; }

  public slots:
    void NewStage();
    void OpenStage();
    void OverwriteSave();
    void SaveStageAs();
    void PrintStage();
    void ExportBitmap();
    void TestPlay();
    void Undo();
    void Redo();
    // Opens a stage named outside the dialogs (recent files, the command line), after the
    // unsaved-changes prompt. A recent file that is gone leaves the list.
    void OpenStageFile(const std::filesystem::path& path);
    // Map cells and the clipboard; each change is one undo step.
    void CopyCells();
    void CutCells();
    void PasteCells();
    // The start position fields take the cell ("ここをスタート位置に").
    void SetStartCell(int column, int row);
    // At start-up: offers the work of an editor that crashed or was killed.
    bool OfferRecovery();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Wheel turns over the canvas scroll it through the bars.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    class Ui;
    void BuildMenus();
    void BuildControls(QWidget* client);
    // The 表示 menu: zoom and the overlay switches.
    void BuildViewMenu();
    // Copy, cut and paste in the 編集 menu; Ctrl+X is shared with 終了 (see there).
    void BuildClipboardActions(QMenu* edit);
    void SelectionChanged(bool hasSelection);
    void ShowCellMenu(int column, int row, const QPoint& globalPosition);
    void ClientResized(int width, int height);
    void PaletteChosen(int index);
    void DocumentReplaced(DocumentChange change);
    void RefreshCaption();
    void RebuildRecentMenu();
    void PrintWithoutPrinter(const QImage& page);
    // Scrolls the canvas so the stage's start position is in view.
    void ShowStartPosition();

    EditorServices services_;
    DialogFolders folders_;
    RecentFiles recent_;
    MapDocument document_;
    std::unique_ptr<Ui> ui_;
    std::unique_ptr<FileCommands> commands_;
    StagePropertiesFields* fields_ = nullptr;
    MapCanvas* canvas_ = nullptr;
    QWidget* viewport_ = nullptr;
    QComboBox* palette_ = nullptr;
    QComboBox* drawMode_ = nullptr;
    QLabel* info_ = nullptr;
    QLabel* cursor_ = nullptr;
    QScrollBar* hs_ = nullptr;
    QScrollBar* vs_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    ZoomControl* zoom_ = nullptr;
    std::unique_ptr<MapClipboard> clipboard_;
    QAction* exit_ = nullptr;
    QAction* copy_ = nullptr;
    QAction* cut_ = nullptr;
    std::unique_ptr<PrivateFolder> testPlayDir_;
    SessionRecovery* recovery_ = nullptr;
    CheckPanel* checks_ = nullptr;
};

}  // namespace tarn::editor
