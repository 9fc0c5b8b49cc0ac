// The check panel's list and what a double-click on it does. The stage is checked again
// every second while the panel is shown; the list is rebuilt only when the problems change,
// so a chosen row stays chosen.
#include "editor/app/CheckPanel.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include "editor/app/CanvasOverlay.h"
#include "editor/app/ClearabilitySection.h"
#include "editor/app/MainWindow.h"
#include "editor/app/MapCanvas.h"
#include "editor/app/StagePropertiesFields.h"
#include "editor/doc/CanvasRules.h"

namespace tarn::editor {
namespace {

constexpr int kRecheckMilliseconds = 1000;

bool SameProblems(const std::vector<CheckProblem>& a, const std::vector<CheckProblem>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const CheckProblem& x, const CheckProblem& y) {
                          return x.text == y.text && x.column == y.column && x.row == y.row;
                      });
}

}  // namespace

CheckPanel::CheckPanel(MainWindow& window, UserDialogs& dialogs)
    : QDockWidget(QStringLiteral("チェック"), &window), window_(window) {
    setObjectName(QStringLiteral("CheckPanel"));
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    summary_ = new QLabel(body);
    summary_->setWordWrap(true);
    list_ = new QListWidget(body);
    list_->setWordWrap(true);
    list_->setSpacing(2);
    list_->setMinimumWidth(260);
    layout->addWidget(summary_);
    layout->addWidget(list_, 1);
    overlay_ = new CanvasOverlay(window.Canvas());
    clearability_ = new ClearabilitySection(window.Document(), *overlay_, dialogs, body);
    layout->addWidget(clearability_);
    setWidget(body);

    window.addDockWidget(Qt::RightDockWidgetArea, this);
    hide();
    QAction* toggle = toggleViewAction();
    toggle->setText(QStringLiteral("チェック(&K)"));
    toggle->setShortcut(QKeySequence(Qt::Key_F7));
    window.menuBar()->addAction(toggle);

    connect(list_, &QListWidget::itemDoubleClicked, this, &CheckPanel::ProblemActivated);
    connect(list_, &QListWidget::itemActivated, this, &CheckPanel::ProblemActivated);
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] {
        if (isVisible()) {
            Refresh();
        }
    });
    timer->start(kRecheckMilliseconds);
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible) {
            Refresh();
        } else {
            overlay_->MarkCell(std::nullopt);
        }
    });
}

void CheckPanel::Refresh() {
    std::vector<CheckProblem> found = CheckStage(window_.Document().Doc());
    if (SameProblems(found, problems_) && list_->count() == int(found.size()) &&
        !summary_->text().isEmpty()) {
        return;
    }
    problems_ = std::move(found);
    list_->clear();
    for (const CheckProblem& problem : problems_) {
        list_->addItem(QString::fromStdString(problem.text));
    }
    summary_->setText(
        problems_.empty()
            ? QStringLiteral("問題は見つかりませんでした。")
            : QStringLiteral("%1件の問題があります。ダブルクリックでその場所へ移動します。")
                  .arg(problems_.size()));
}

void CheckPanel::ProblemActivated(QListWidgetItem* item) {
    const int index = list_->row(item);
    if (index < 0 || index >= int(problems_.size())) {
        return;
    }
    const CheckProblem& problem = problems_[std::size_t(index)];
    if (problem.HasCell()) {
        ShowCell(problem.column, problem.row);
        // Selected, as pasted cells are: ready to be copied, cut or painted over.
        window_.DrawModeList()->setCurrentIndex(kSelectMode);
        window_.Canvas()->SetSelection(
            CellRange{problem.column, problem.row, problem.column, problem.row});
    } else {
        overlay_->MarkCell(std::nullopt);
    }
    if (problem.field != CheckField::None && !problem.HasCell()) {
        FocusField(problem.field);
    }
}

void CheckPanel::ShowCell(int column, int row) {
    const QWidget* canvas = window_.Canvas();
    const QSize view = window_.Viewport()->size();
    const int cell = canvas->width() / kMapColumns;
    window_.HorizontalBar()->setValue(
        ScrollValueShowing(column * cell, view.width(), canvas->width()));
    window_.VerticalBar()->setValue(
        ScrollValueShowing(row * cell, view.height(), canvas->height()));
    overlay_->MarkCell(QPoint(column, row));
}

void CheckPanel::FocusField(CheckField field) {
    StagePropertiesFields& fields = window_.Fields();
    QWidget* target = nullptr;
    switch (field) {
        case CheckField::Background:
            target = fields.Text1();
            break;
        case CheckField::StartPosition:
            target = fields.STX();
            break;
        case CheckField::TimeLimit:
            target = fields.Times();
            break;
        case CheckField::NextStage:
            target = fields.Text3();
            break;
        case CheckField::NextStage2:
            target = fields.Text4();
            break;
        case CheckField::None:
            break;
    }
    if (target != nullptr) {
        target->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace tarn::editor
