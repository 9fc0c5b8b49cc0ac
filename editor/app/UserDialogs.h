// Message boxes and file dialogs behind a small interface, so tests answer directly.
#pragma once

#include <QString>
#include <QStringList>

#include "editor/doc/FileCommands.h"

class QFileDialog;
class QWidget;

namespace tarn::editor {

enum class Severity { Information, Warning, Error };

class UserDialogs {
  public:
    virtual ~UserDialogs() = default;
    virtual PromptAnswer AskYesNoCancel(const QString& title, const QString& text) = 0;
    // Yes and No, No being the default; true for Yes.
    virtual bool AskYesNo(const QString& title, const QString& text) = 0;
    virtual void Inform(const QString& title, const QString& text, Severity severity) = 0;
    // A question answered by one of the buttons: the index of the chosen one. The last
    // button is the one Esc and closing the box choose.
    virtual int Choose(const QString& title, const QString& text, const QStringList& buttons) = 0;
    // Empty when cancelled. filter is "shown text|pattern", such as "BMP|*.bmp".
    virtual QString GetOpenFileName(const QString& initialName, const QString& filter) = 0;
    virtual QString GetSaveFileName(const QString& initialName, const QString& filter) = 0;
};

// Gives a file dialog the filter "shown text|pattern": the type list shows exactly the
// text, and a saved name without extension gets the pattern's.
void SetDialogFilter(QFileDialog& dialog, const QString& filter);

// QMessageBox and QFileDialog, parented to the editor window.
class QtUserDialogs : public UserDialogs {
  public:
    explicit QtUserDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    PromptAnswer AskYesNoCancel(const QString& title, const QString& text) override;
    bool AskYesNo(const QString& title, const QString& text) override;
    void Inform(const QString& title, const QString& text, Severity severity) override;
    int Choose(const QString& title, const QString& text, const QStringList& buttons) override;
    QString GetOpenFileName(const QString& initialName, const QString& filter) override;
    QString GetSaveFileName(const QString& initialName, const QString& filter) override;

  private:
    QWidget* parent_;
};

}  // namespace tarn::editor
