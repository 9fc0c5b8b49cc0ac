// The one place that decides where the file dialogs start: the folder of the file last
// chosen in any of them (kept in the settings), else the first stage folder that exists
// (the program folder's data/, where the game looks for its stage folders), else the
// program folder.
#pragma once

#include <QString>
#include <QStringList>

class QSettings;

namespace tarn::editor {

class DialogFolders {
  public:
    DialogFolders(QSettings& settings, QString programDir);

    // The folders holding stage folders, most wanted first.
    QStringList StageFolders() const;
    QString StartFolder() const;
    // A name proposed by a command as the dialog should show it: a name without a folder
    // is placed in StartFolder(); an empty one gives the folder itself.
    QString Place(const QString& proposedName) const;
    // Remembers the folder of a file the user chose, for the next dialog.
    void Remember(const QString& chosenFile);

  private:
    QSettings& settings_;
    QString programDir_;
};

}  // namespace tarn::editor
