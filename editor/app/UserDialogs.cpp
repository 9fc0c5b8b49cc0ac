// Qt forms of the editor's dialogs. The save dialog appends the filter's extension when
// the typed name has none.
#include "editor/app/UserDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace tarn::editor {
namespace {

QString SuffixOf(const QString& pattern) {
    const auto match = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(pattern);
    return match.hasMatch() ? match.captured(1) : QString();
}

// A folder opens the dialog there; a file opens its folder with its name filled in.
void StartAt(QFileDialog& dialog, const QString& initial) {
    if (initial.isEmpty()) {
        return;
    }
    const QFileInfo info(initial);
    if (info.isDir()) {
        dialog.setDirectory(initial);
        return;
    }
    dialog.setDirectory(info.absolutePath());
    dialog.selectFile(info.fileName());
}

}  // namespace

void SetDialogFilter(QFileDialog& dialog, const QString& filter) {
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    const QString shown = bar < 0 ? filter : filter.left(bar);
    const QString pattern = bar < 0 ? QString() : filter.mid(bar + 1);
    // Qt lists "text (pattern)"; hiding the details leaves the text as it is written.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(shown + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    dialog.setDefaultSuffix(SuffixOf(pattern));
}

PromptAnswer QtUserDialogs::AskYesNoCancel(const QString& title, const QString& text) {
    const auto answer = QMessageBox::question(
        parent_, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
        QMessageBox::Yes);
    if (answer == QMessageBox::Yes) {
        return PromptAnswer::Yes;
    }
    return answer == QMessageBox::No ? PromptAnswer::No : PromptAnswer::Cancel;
}

bool QtUserDialogs::AskYesNo(const QString& title, const QString& text) {
    return QMessageBox::question(parent_, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void QtUserDialogs::Inform(const QString& title, const QString& text, Severity severity) {
    switch (severity) {
        case Severity::Information:
            QMessageBox::information(parent_, title, text);
            break;
        case Severity::Warning:
            QMessageBox::warning(parent_, title, text);
            break;
        case Severity::Error:
            QMessageBox::critical(parent_, title, text);
            break;
    }
}

int QtUserDialogs::Choose(const QString& title, const QString& text, const QStringList& buttons) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent_);
    QList<QAbstractButton*> added;
    for (const QString& caption : buttons) {
        added << box.addButton(caption, QMessageBox::ActionRole);
    }
    if (added.isEmpty()) {
        return -1;
    }
    box.setDefaultButton(qobject_cast<QPushButton*>(added.front()));
    box.setEscapeButton(added.back());
    box.exec();
    const auto chosen = added.indexOf(box.clickedButton());
    return chosen < 0 ? int(added.size()) - 1 : int(chosen);
}

QString QtUserDialogs::GetOpenFileName(const QString& initialName, const QString& filter) {
    QFileDialog dialog(parent_);
    StartAt(dialog, initialName);
    SetDialogFilter(dialog, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString QtUserDialogs::GetSaveFileName(const QString& initialName, const QString& filter) {
    QFileDialog dialog(parent_);
    SetDialogFilter(dialog, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    StartAt(dialog, initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace tarn::editor
