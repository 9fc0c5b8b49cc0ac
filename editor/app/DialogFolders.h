// The one place that decides where the file dialogs start: the folder of the file last
// chosen in any of them (kept in the settings), else the first stage folder that exists
// (in an install the user's own, then the program folder's data/: where the game looks
// for its stage folders), else the program folder.
#pragma once

#include <QString>
#include <QStringList>

class QSettings;

namespace tarn::editor {

class DialogFolders {
  public:
    // userStageFolder: in an install, the folder of the user's own stage folders.
    DialogFolders(QSettings& settings, QString programDir, QString userStageFolder = {});

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
    QString userStageFolder_;
};

}  // namespace tarn::editor
