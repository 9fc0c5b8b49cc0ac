// The test-play game as a QProcess. Its output goes where the editor's goes.
#include "editor/app/GameLauncher.h"

#include <QFileInfo>
#include <QProcess>

namespace tarn::editor {
namespace {

constexpr int kStartMilliseconds = 10000;
constexpr int kEndMilliseconds = 3000;

}  // namespace

QtGameLauncher::QtGameLauncher() : process_(std::make_unique<QProcess>()) {
    process_->setProcessChannelMode(QProcess::ForwardedChannels);
}

QtGameLauncher::~QtGameLauncher() {
    if (Running()) {
        process_->terminate();
        if (!process_->waitForFinished(kEndMilliseconds)) {
            process_->kill();
            process_->waitForFinished(kEndMilliseconds);
        }
    }
}

bool QtGameLauncher::Start(const QString& program, const QStringList& arguments,
                           const QString& workingDirectory) {
    const QFileInfo info(program);
    if (Running() || !info.exists() || !info.isExecutable()) {
        return false;
    }
    process_->setProgram(program);
    process_->setArguments(arguments);
    process_->setWorkingDirectory(workingDirectory);
    process_->start();
    return process_->waitForStarted(kStartMilliseconds);
}

bool QtGameLauncher::Running() const {
    return process_->state() != QProcess::NotRunning;
}

}  // namespace tarn::editor
