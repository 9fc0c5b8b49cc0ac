// Construction and layout of the editor window.
#include "editor/app/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>
#include <cstdlib>
#include <functional>

#include "editor/app/CheckPanel.h"
#include "editor/app/ChipTiles.h"
#include "editor/app/MapCanvas.h"
#include "editor/app/MapClipboard.h"
#include "editor/app/PathText.h"
#include "editor/app/PrivateFolder.h"
#include "editor/app/SessionRecovery.h"
#include "editor/app/StagePropertiesFields.h"
#include "editor/app/UserDialogs.h"
#include "editor/app/ZoomControl.h"
#include "editor/doc/CanvasRules.h"

namespace tarn::editor {
namespace {

// Room left around the client area for a window manager's frame and title bar.
constexpr QSize kFrameAllowance(16, 48);

// The window's client area; reports its size so the window can lay itself out.
class ResizeReportingArea : public QWidget {
  public:
    explicit ResizeReportingArea(std::function<void(int, int)> resized)
        : resized_(std::move(resized)) {}

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        resized_(event->size().width(), event->size().height());
    }

  private:
    std::function<void(int, int)> resized_;
};

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace

// The file commands' questions, answered through the window's dialogs.
class MainWindow::Ui : public EditorUi {
  public:
    Ui(UserDialogs& dialogs, DialogFolders& folders) : dialogs_(dialogs), folders_(folders) {}
    PromptAnswer AskSaveChanges() override {
        return dialogs_.AskYesNoCancel(Q(kMessageTitle), Q(kSaveChangesQuestion));
    }
    std::string AskOpenFileName(const std::string& initialName, FileFilter filter) override {
        const QString proposed = folders_.Place(PathText(initialName));
        return Chosen(dialogs_.GetOpenFileName(proposed, Q(FilterText(filter))), proposed,
                      initialName);
    }
    std::string AskSaveFileName(const std::string& initialName, FileFilter filter) override {
        const QString proposed = folders_.Place(PathText(initialName));
        return Chosen(dialogs_.GetSaveFileName(proposed, Q(FilterText(filter))), proposed,
                      initialName);
    }
    bool AskYesNo(const std::string& question) override {
        return dialogs_.AskYesNo(Q(kMessageTitle), QString::fromStdString(question));
    }
    void ReportError(const std::string& text) override {
        dialogs_.Inform(Q(kMessageTitle), QString::fromStdString(text), Severity::Error);
    }
    void Inform(const UserMessage& message) override {
        dialogs_.Inform(QString::fromStdString(message.title), QString::fromStdString(message.text),
                        message.icon == MessageIcon::Error     ? Severity::Error
                        : message.icon == MessageIcon::Warning ? Severity::Warning
                                                               : Severity::Information);
    }

  private:
    // The dialog shows a proposed name that is no UTF-8 with U+FFFD in it; taken as shown,
    // it means the proposed file, not a new one named with those characters.
    std::string Chosen(const QString& name, const QString& proposed, const std::string& initial) {
        folders_.Remember(name);
        if (name.isEmpty()) {
            return {};
        }
        return name == proposed && PathFromBytes(initial).is_absolute()
                   ? initial
                   : PathBytes(PathOfText(name));
    }
    UserDialogs& dialogs_;
    DialogFolders& folders_;
};

MainWindow::MainWindow(EditorServices services, QWidget* parent)
    : QMainWindow(parent),
      services_(std::move(services)),
      folders_(services_.settings, PathText(services_.programDir),
               PathText(services_.userStageFolder)),
      recent_(services_.settings),
      ui_(std::make_unique<Ui>(services_.dialogs, folders_)) {
    setFont(QFont(QStringLiteral("VL PGothic"), 9));
    commands_ = std::make_unique<FileCommands>(document_.Doc(), *ui_, services_.commandLineName);
    commands_->onDocumentReplaced = [this](DocumentChange change) { DocumentReplaced(change); };
    commands_->onCaptionChanged = [this] { RefreshCaption(); };
    commands_->onStageFileUsed = [this](const std::string& path) {
        recent_.Add(PathFromBytes(path));
        RebuildRecentMenu();
    };
    recovery_ = new SessionRecovery(document_, SessionRecovery::RecoveryFolder(), this);
    document_.Doc().onModifiedChanged = [this](bool modified) {
        setWindowModified(modified);
        if (modified) {
            recovery_->NoteChange();
        } else {
            recovery_->Discard();
        }
    };

    auto* client =
        new ResizeReportingArea([this](int width, int height) { ClientResized(width, height); });
    setCentralWidget(client);
    BuildControls(client);
    BuildMenus();
    checks_ = new CheckPanel(*this, services_.dialogs);
    RefreshCaption();
    const int menuHeight = menuBar()->sizeHint().height();
    const ClientSize start = DefaultClientSize(
        screen()->availableGeometry().width() - kFrameAllowance.width(),
        screen()->availableGeometry().height() - kFrameAllowance.height() - menuHeight);
    resize(start.width, start.height + menuHeight);
    ClientResized(client->width(), client->height());
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    auto add = [this](QMenu* menu, const QString& text, const QKeySequence& key, auto slot) {
        QAction* action = menu->addAction(text);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add(file, QStringLiteral("新規作成(&N)"), QKeySequence(Qt::CTRL | Qt::Key_N),
        &MainWindow::NewStage);
    file->addSeparator();
    add(file, QStringLiteral("印刷(&P)"), QKeySequence(Qt::CTRL | Qt::Key_P),
        &MainWindow::PrintStage);
    add(file, QStringLiteral("Bitmap保存(&B)"), QKeySequence(Qt::CTRL | Qt::Key_B),
        &MainWindow::ExportBitmap);
    file->addSeparator();
    add(file, QStringLiteral("開く"), QKeySequence(Qt::CTRL | Qt::Key_O), &MainWindow::OpenStage);
    add(file, QStringLiteral("上書き保存(&S)"), QKeySequence(Qt::CTRL | Qt::Key_S),
        &MainWindow::OverwriteSave);
    add(file, QStringLiteral("名前を付けて保存"), QKeySequence(Qt::CTRL | Qt::Key_A),
        &MainWindow::SaveStageAs);
    file->addSeparator();
    recentMenu_ = file->addMenu(QStringLiteral("最近使ったファイル(&R)"));
    RebuildRecentMenu();
    file->addSeparator();
    exit_ =
        add(file, QStringLiteral("終了(&X)"), QKeySequence(Qt::CTRL | Qt::Key_X), &QWidget::close);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    QAction* undo = add(edit, QStringLiteral("元に戻す(&U)"), QKeySequence(Qt::CTRL | Qt::Key_Z),
                        &MainWindow::Undo);
    QAction* redo = add(edit, QStringLiteral("やり直し(&R)"), QKeySequence(Qt::CTRL | Qt::Key_Y),
                        &MainWindow::Redo);
    undo->setEnabled(false);
    redo->setEnabled(false);
    connect(&document_.UndoStack(), &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(&document_.UndoStack(), &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    BuildClipboardActions(edit);
    BuildViewMenu();

    QAction* play = menuBar()->addAction(QStringLiteral("テストプレイ(&T)"));
    play->setShortcut(QKeySequence(Qt::Key_F5));
    connect(play, &QAction::triggered, this, &MainWindow::TestPlay);
}

void MainWindow::BuildControls(QWidget* client) {
    fields_ = new StagePropertiesFields(document_.Doc(), client);

    auto* chips = new QGroupBox(QStringLiteral("マップチップ"), client);
    chips->setGeometry(292, -2, 180, 44);
    palette_ = new QComboBox(chips);
    palette_->setGeometry(6, 16, 168, 22);
    palette_->setMaxVisibleItems(kChipCodeCount);
    for (const ChipInfo& chip : kChipTable) {
        palette_->addItem(Tiles().Icon(Code(chip.chip)), Q(chip.paletteText));
    }

    auto* modeLabel = new QLabel(QStringLiteral("DrawMode："), client);
    modeLabel->setGeometry(6, 108, 60, 16);
    FitLabelText(modeLabel);
    drawMode_ = new QComboBox(client);
    for (std::string_view text : DrawModeTexts()) {
        drawMode_->addItem(Q(text));
    }
    // Wide enough for "範囲選択モード" in the font at hand; the label follows it.
    drawMode_->setGeometry(66, 105, std::max(106, drawMode_->sizeHint().width()), 20);
    info_ = new QLabel(client);
    info_->setGeometry(drawMode_->geometry().right() + 3, 106, 259, 18);

    viewport_ = new QWidget(client);
    viewport_->setAutoFillBackground(true);
    canvas_ = new MapCanvas(document_, viewport_);
    canvas_->move(0, 0);
    hs_ = new QScrollBar(Qt::Horizontal, client);
    vs_ = new QScrollBar(Qt::Vertical, client);
    // The bars run from 0 down to viewport - canvas: the value is the canvas's position.
    for (QScrollBar* bar : {hs_, vs_}) {
        bar->setInvertedAppearance(true);
        bar->setInvertedControls(false);
        bar->setSingleStep(16);
        bar->setPageStep(320);
    }
    connect(hs_, &QScrollBar::valueChanged, this,
            [this](int x) { canvas_->move(x, canvas_->y()); });
    connect(vs_, &QScrollBar::valueChanged, this,
            [this](int y) { canvas_->move(canvas_->x(), y); });
    cursor_ = new QLabel(client);
    viewport_->installEventFilter(this);
    canvas_->installEventFilter(this);
    zoom_ = new ZoomControl(*canvas_, *viewport_, *hs_, *vs_);
    zoom_->setParent(this);
    clipboard_ = std::make_unique<MapClipboard>(document_, *canvas_);

    connect(palette_, &QComboBox::currentIndexChanged, this, &MainWindow::PaletteChosen);
    connect(drawMode_, &QComboBox::currentIndexChanged, this,
            [this](int index) { canvas_->SetDrawMode(std::max(index, 0)); });
    connect(canvas_, &MapCanvas::cursorCellChanged, cursor_, &QLabel::setText);
    connect(canvas_, &MapCanvas::infoChanged, info_, &QLabel::setText);
    connect(canvas_, &MapCanvas::selectionChanged, this, &MainWindow::SelectionChanged);
    connect(canvas_, &MapCanvas::cellMenuWanted, this, &MainWindow::ShowCellMenu);
    // The start marker and the first view follow the start position fields.
    connect(fields_->STX(), &QComboBox::currentIndexChanged, canvas_,
            qOverload<>(&QWidget::update));
    connect(fields_->STY(), &QComboBox::currentTextChanged, canvas_, qOverload<>(&QWidget::update));
}

void MainWindow::ClientResized(int width, int height) {
    if (isMinimized() || hs_ == nullptr) {
        return;
    }
    const SnapSize snap = SnapWindow(width, height);
    if (snap.width != 0 || snap.height != 0) {
        resize(snap.width != 0 ? snap.width : this->width(),
               snap.height != 0 ? snap.height : this->height());
    }
    const CanvasLayout layout = ComputeLayout(width, height);
    auto place = [](QWidget* widget, const Rect& r) {
        widget->setGeometry(r.x, r.y, std::max(r.width, 0), std::max(r.height, 0));
    };
    place(viewport_, layout.viewport);
    place(vs_, layout.verticalBar);
    place(hs_, layout.horizontalBar);
    cursor_->setGeometry(4, layout.cursorLabelTop, 200, 14);
    zoom_->UpdateRanges();
}

void MainWindow::PaletteChosen(int index) {
    if (index == Code(Chip::WalkingEnemyFalling)) {
        services_.dialogs.Inform(Q(kProgramName), Q(kFallingWalkerMessage), Severity::Information);
        palette_->setCurrentIndex(Code(Chip::WalkingEnemy));
        return;
    }
    canvas_->SetPaletteCode(std::max(index, 0));
}

void MainWindow::DocumentReplaced(DocumentChange change) {
    canvas_->CancelDrag();
    document_.DocumentReplaced();
    fields_->Refresh();
    if (change == DocumentChange::Created) {
        palette_->setCurrentIndex(1);
    }
    ShowStartPosition();
}

bool MainWindow::OfferRecovery() {
    return recovery_->OfferRecovery(services_.dialogs, [this] {
        canvas_->CancelDrag();
        document_.DocumentReplaced();
        fields_->Refresh();
        RefreshCaption();
        ShowStartPosition();
    });
}

void MainWindow::ShowStartPosition() {
    const StageProperties& properties = document_.Doc().properties;
    const QSize view = viewport_->size();
    const int cell = canvas_->CellPixels();
    hs_->setValue(ScrollValueShowing(properties.STX * cell, view.width(), canvas_->width()));
    // A start row off the map leaves the view where it is.
    if (const int row = properties.STYIndex(); row >= 0 && row < kMapRows) {
        vs_->setValue(ScrollValueShowing(row * cell, view.height(), canvas_->height()));
    }
}

void MainWindow::RefreshCaption() {
    // "[*]" is where Qt shows its modified mark while the window is marked modified.
    setWindowTitle(QString::fromStdString(document_.Doc().WindowTitle("[*]")));
    setWindowModified(document_.Doc().Modified());
}

void MainWindow::RebuildRecentMenu() {
    recentMenu_->clear();
    const std::vector<std::filesystem::path> files = recent_.Files();
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::filesystem::path path = files[i];
        // "&1 1-1.tr2 (/home/me/data/world1)": the digit picks it from the keyboard.
        QAction* action = recentMenu_->addAction(
            QStringLiteral("&%1 %2 (%3)")
                .arg(i + 1)
                .arg(PathText(path.filename()).replace(QLatin1Char('&'), QStringLiteral("&&")),
                     QDir::toNativeSeparators(PathText(path.parent_path()))));
        connect(action, &QAction::triggered, this, [this, path] { OpenStageFile(path); });
    }
    if (files.empty()) {
        recentMenu_->addAction(QStringLiteral("（なし）"))->setEnabled(false);
        return;
    }
    recentMenu_->addSeparator();
    connect(recentMenu_->addAction(QStringLiteral("一覧を消去(&C)")), &QAction::triggered, this,
            [this] {
                recent_.Clear();
                RebuildRecentMenu();
            });
}

QAction* MainWindow::FindAction(const QString& text) const {
    for (QAction* action : findChildren<QAction*>()) {
        if (action->text() == text) {
            return action;
        }
    }
    return nullptr;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == viewport_ || watched == canvas_) && event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (zoom_->Wheel(*wheel, *static_cast<QWidget*>(watched))) {
            return true;
        }
        const bool sideways = wheel->modifiers().testFlag(Qt::ShiftModifier) ||
                              std::abs(wheel->angleDelta().x()) > std::abs(wheel->angleDelta().y());
        QScrollBar* bar = sideways ? hs_ : vs_;
        const int delta = sideways && wheel->angleDelta().x() != 0 ? wheel->angleDelta().x()
                                                                   : wheel->angleDelta().y();
        // One notch (120) moves three small steps; turning the wheel towards you (a negative
        // delta) shifts the canvas up or left, showing more of the map below or to the right.
        bar->setValue(bar->value() + delta * 3 * bar->singleStep() / 120);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (commands_->MayClose()) {
        // Saved or knowingly discarded: nothing is left to recover.
        recovery_->Discard();
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace tarn::editor
