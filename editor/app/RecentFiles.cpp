// Recent stage files in QSettings.
#include "editor/app/RecentFiles.h"

#include <QSettings>

namespace tarn::editor {
namespace {

const QString kRecentKey = QStringLiteral("recentFiles");

}  // namespace

QStringList RecentFiles::Files() const {
    QStringList files = settings_.value(kRecentKey).toStringList();
    files.removeAll(QString());
    return files.mid(0, kMaxCount);
}

void RecentFiles::Add(const QString& path) {
    QStringList files = Files();
    files.removeAll(path);
    files.prepend(path);
    Store(files.mid(0, kMaxCount));
}

void RecentFiles::Remove(const QString& path) {
    QStringList files = Files();
    files.removeAll(path);
    Store(files);
}

void RecentFiles::Clear() {
    Store({});
}

void RecentFiles::Store(const QStringList& files) {
    settings_.setValue(kRecentKey, files);
}

}  // namespace tarn::editor
