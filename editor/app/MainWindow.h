// The editor window: menus, property fields, palette, draw mode, the scrolled canvas and
// its labels. Commands run on the MapDocument; dialogs, printer and game start go
// through the interfaces handed in, so tests can drive the window directly.
#pragma once

#include <QMainWindow>
#include <QString>
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
class QTemporaryDir;

namespace tarn::editor {

class GameLauncher;
class MapCanvas;
class PagePrinter;
class StagePropertiesFields;
class UserDialogs;

inline constexpr std::string_view kProgramName = "Gridsmith";

struct EditorServices {
    UserDialogs& dialogs;
    PagePrinter& printer;
    GameLauncher& launcher;
    QSettings& settings;          // the dialogs' last folder and the recent files
    QString programDir;           // where TarnVer2 lives
    std::string commandLineName;  // first name the file dialogs propose
    // Test-play copies go below it; empty: the system's temporary folder.
    QString workFolder = {};
    // In an install, the folder of the user's own stage folders: the dialogs start there.
    QString userStageFolder = {};
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
    void OpenStageFile(const QString& path);

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Wheel turns over the canvas scroll it through the bars.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    class Ui;
    void BuildMenus();
    void BuildControls(QWidget* client);
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
    std::unique_ptr<QTemporaryDir> testPlayDir_;
};

}  // namespace tarn::editor
