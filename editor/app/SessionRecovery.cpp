// Recovery files are named "gridsmith-<pid>-<random>.recovery"; each has a lock file
// "<name>.lock" while its editor runs. Qt's lock files name the process holding them, so
// one left by a killed editor is seen as stale and can be taken over.
#include "editor/app/SessionRecovery.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include "editor/app/MapDocument.h"
#include "editor/app/PathText.h"
#include "editor/app/UserDialogs.h"
#include "editor/doc/RecoveryText.h"

namespace tarn::editor {
namespace {

constexpr auto kTickInterval = std::chrono::seconds(1);

QString LockPathFor(const QString& recoveryPath) {
    return recoveryPath + QStringLiteral(".lock");
}

// A lock that holds only while its process lives, however long that is.
std::unique_ptr<QLockFile> LockFor(const QString& recoveryPath) {
    auto lock = std::make_unique<QLockFile>(LockPathFor(recoveryPath));
    lock->setStaleLockTime(0);
    return lock;
}

std::optional<std::string> ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

}  // namespace

SessionRecovery::SessionRecovery(MapDocument& document, QString folder, QObject* parent)
    : QObject(parent),
      document_(document),
      folder_(std::move(folder)),
      path_(QDir(folder_).filePath(
          QStringLiteral("gridsmith-%1-%2.recovery")
              .arg(QCoreApplication::applicationPid())
              .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')))),
      clock_([] { return std::chrono::steady_clock::now(); }) {
    connect(&document_, &MapDocument::cellsChanged, this, [this] { NoteChange(); });
    connect(&timer_, &QTimer::timeout, this, &SessionRecovery::Tick);
    timer_.start(kTickInterval);
}

SessionRecovery::~SessionRecovery() = default;

QString SessionRecovery::RecoveryFolder() {
    std::filesystem::path base = PathFromBytes(qgetenv("XDG_STATE_HOME").toStdString());
    if (base.empty() || base.is_relative()) {
        base = PathFromBytes(qgetenv("HOME").toStdString()) / ".local/state";
    }
    const std::filesystem::path folder = base / "tarn2";
    return folder.is_absolute() && TextHoldsPath(folder) ? PathText(folder) : QString();
}

void SessionRecovery::NoteChange() {
    // The canvas may report a stamp before the document is marked modified; a tick on an
    // unmodified document forgets the start again.
    if (!pendingSince_) {
        pendingSince_ = clock_();
    }
}

void SessionRecovery::Tick() {
    if (!document_.Doc().Modified()) {
        Discard();
        return;
    }
    const std::string text = WriteRecoveryText(document_.Doc());
    if (text == written_) {
        pendingSince_.reset();
        return;
    }
    const auto now = clock_();
    if (!pendingSince_) {
        pendingSince_ = now;
    }
    if (now - *pendingSince_ >= kAutosaveInterval && Write(text)) {
        pendingSince_.reset();
    }
}

void SessionRecovery::Discard() {
    pendingSince_.reset();
    if (!written_.empty()) {
        QFile::remove(path_);
        written_.clear();
    }
}

bool SessionRecovery::EnsureOwnLock() {
    if (lock_) {
        return true;
    }
    if (folder_.isEmpty() || !QDir().mkpath(folder_)) {
        return false;
    }
    QFile::setPermissions(folder_,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    auto lock = LockFor(path_);
    if (!lock->tryLock(0)) {
        return false;
    }
    lock_ = std::move(lock);
    return true;
}

bool SessionRecovery::Write(const std::string& text) {
    QSaveFile file(path_);
    // The stage may be unpublished work: readable by its owner only.
    const bool written = EnsureOwnLock() && file.open(QIODevice::WriteOnly) &&
                         file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) &&
                         file.write(text.data(), qint64(text.size())) == qint64(text.size()) &&
                         file.commit();
    if (!written) {
        // Editing goes on; the next minute of changes tries again.
        if (!warned_) {
            qWarning("Gridsmith: cannot write the recovery file %s", qPrintable(path_));
            warned_ = true;
        }
        return false;
    }
    written_ = text;
    return true;
}

QStringList SessionRecovery::LeftBehind() const {
    QStringList found;
    if (folder_.isEmpty()) {
        return found;
    }
    const QFileInfoList files = QDir(folder_).entryInfoList(
        {QStringLiteral("gridsmith-*.recovery")}, QDir::Files, QDir::Time);
    for (const QFileInfo& info : files) {
        const QString path = info.absoluteFilePath();
        if (path == QFileInfo(path_).absoluteFilePath()) {
            continue;
        }
        // Taking the lock succeeds only when no running editor holds it.
        auto lock = LockFor(path);
        if (lock->tryLock(0)) {
            found << path;
        }
    }
    return found;
}

bool SessionRecovery::OfferRecovery(UserDialogs& dialogs, const std::function<void()>& onRestored) {
    for (const QString& path : LeftBehind()) {
        auto claim = LockFor(path);
        if (!claim->tryLock(0)) {
            continue;  // another editor took it just now
        }
        const auto text = ReadAll(path);
        const auto stage = text ? ReadRecoveryText(*text) : std::nullopt;
        if (!stage) {
            // Kept for a person to look at, but never offered again.
            QFile::rename(path, path + QStringLiteral(".damaged"));
            continue;
        }
        const QString name = stage->file.empty() ? QStringLiteral("無題")
                                                 : QDir::toNativeSeparators(PathText(stage->file));
        const QString when =
            QFileInfo(path).lastModified().toString(QStringLiteral("yyyy/MM/dd HH:mm"));
        const QString question =
            QStringLiteral(
                "前回の編集が保存されないまま終わっていました。\n%1（%2の自動保存）\n"
                "復元しますか？ 「いいえ」を選ぶと自動保存は削除されます。")
                .arg(name, when);
        if (!dialogs.AskYesNo(
                QString::fromUtf8(kMessageTitle.data(), qsizetype(kMessageTitle.size())),
                question)) {
            QFile::remove(path);
            continue;
        }
        Restore(document_.Doc(), *stage);
        onRestored();
        // The restored document is this editor's now: written under its own name at once,
        // so a second crash loses nothing.
        if (Write(WriteRecoveryText(document_.Doc()))) {
            QFile::remove(path);
        }
        return true;
    }
    return false;
}

}  // namespace tarn::editor
