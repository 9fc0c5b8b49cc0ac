// The test-play game as a QProcess. Its output goes where the editor's goes.
#include "editor/app/GameLauncher.h"

#include <QFileInfo>
#include <QProcess>

#include "editor/app/PathText.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace tarn::editor {
namespace {

constexpr int kStartMilliseconds = 10000;
constexpr int kEndMilliseconds = 3000;

#ifdef Q_OS_UNIX
// The command as bytes, made ready before the fork: the child may only make
// async-signal-safe calls.
class ByteCommand {
  public:
    ByteCommand(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                const std::filesystem::path& folder)
        : folder_(folder.native()), words_{program.native()} {
        words_.insert(words_.end(), arguments.begin(), arguments.end());
        for (std::string& word : words_) {
            argv_.push_back(word.data());
        }
        argv_.push_back(nullptr);
    }
    // Returns only when the folder or the program could not be entered.
    void Exec() const {
        if (::chdir(folder_.c_str()) == 0) {
            ::execv(argv_.front(), argv_.data());
        }
    }

  private:
    std::string folder_;
    std::vector<std::string> words_;
    std::vector<char*> argv_;
};
#endif

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

bool QtGameLauncher::Start(const std::filesystem::path& program,
                           const std::vector<std::string>& arguments,
                           const std::filesystem::path& workingDirectory) {
    std::error_code error;
    if (Running() || !std::filesystem::is_regular_file(program, error)) {
        return false;
    }
#ifdef Q_OS_UNIX
    if (::access(program.c_str(), X_OK) != 0) {
        return false;
    }
    // QProcess names the program, its arguments and folder in text, which cannot hold
    // every name; the child it forks enters the folder and starts the program from their
    // bytes instead. Only when that fails does QProcess try the program by its text name,
    // and a name text cannot hold then fails to start and is reported as such.
    process_->setProgram(PathText(program));
    process_->setArguments({});
    process_->setWorkingDirectory({});
    process_->setChildProcessModifier(
        [command = std::make_shared<const ByteCommand>(program, arguments, workingDirectory)] {
            command->Exec();
        });
#else
    if (!QFileInfo(PathText(program)).isExecutable()) {
        return false;
    }
    QStringList texts;
    for (const std::string& argument : arguments) {
        texts << QString::fromStdString(argument);
    }
    process_->setProgram(PathText(program));
    process_->setArguments(texts);
    process_->setWorkingDirectory(PathText(workingDirectory));
#endif
    process_->start();
    return process_->waitForStarted(kStartMilliseconds);
}

bool QtGameLauncher::Running() const {
    return process_->state() != QProcess::NotRunning;
}

}  // namespace tarn::editor
