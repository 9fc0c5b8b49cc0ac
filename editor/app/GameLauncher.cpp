// Detached start of the game.
#include "editor/app/GameLauncher.h"

#include <QFileInfo>
#include <QProcess>

namespace tarn::editor {

bool QtGameLauncher::Start(const QString& program, const QStringList& arguments,
                           const QString& workingDirectory) {
    const QFileInfo info(program);
    if (!info.exists() || !info.isExecutable()) {
        return false;
    }
    return QProcess::startDetached(program, arguments, workingDirectory);
}

}  // namespace tarn::editor
