// Dialog start folders, remembered across sessions through QSettings.
#include "editor/app/DialogFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <utility>

namespace tarn::editor {
namespace {

const QString kLastFolderKey = QStringLiteral("dialogs/lastFolder");

}  // namespace

DialogFolders::DialogFolders(QSettings& settings, QString programDir, QString userStageFolder)
    : settings_(settings),
      programDir_(std::move(programDir)),
      userStageFolder_(std::move(userStageFolder)) {}

QStringList DialogFolders::StageFolders() const {
    QStringList folders;
    if (!userStageFolder_.isEmpty()) {
        folders << userStageFolder_;
    }
    folders << QDir(programDir_).filePath(QStringLiteral("data"));
    return folders;
}

QString DialogFolders::StartFolder() const {
    const QString last = settings_.value(kLastFolderKey).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir()) {
        return last;
    }
    for (const QString& folder : StageFolders()) {
        if (QFileInfo(folder).isDir()) {
            return folder;
        }
    }
    return programDir_.isEmpty() ? QDir::homePath() : programDir_;
}

QString DialogFolders::Place(const QString& proposedName) const {
    if (proposedName.isEmpty()) {
        return StartFolder();
    }
    if (QFileInfo(proposedName).isAbsolute()) {
        return proposedName;
    }
    return QDir(StartFolder()).filePath(proposedName);
}

void DialogFolders::Remember(const QString& chosenFile) {
    if (!chosenFile.isEmpty()) {
        settings_.setValue(kLastFolderKey, QFileInfo(chosenFile).absolutePath());
    }
}

}  // namespace tarn::editor
