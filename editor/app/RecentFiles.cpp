// Recent stage files in QSettings: as text, readable in the settings file, where the
// text gives the path back, and as bytes where it does not.
#include "editor/app/RecentFiles.h"

#include <QSettings>
#include <algorithm>

#include "editor/app/PathText.h"
#include "editor/doc/StageDocument.h"

namespace tarn::editor {
namespace {

const QString kRecentKey = QStringLiteral("recentFiles");

QVariant Stored(const std::filesystem::path& path) {
    if (TextHoldsPath(path)) {
        return PathText(path);
    }
    return QByteArray::fromStdString(PathBytes(path));
}

std::filesystem::path FromStored(const QVariant& value) {
    if (value.typeId() == QMetaType::QByteArray) {
        return PathFromBytes(value.toByteArray().toStdString());
    }
    return PathOfText(value.toString());
}

// The INI format gives a list of one back as that one value.
QVariantList StoredList(const QVariant& stored) {
    if (!stored.isValid()) {
        return {};
    }
    const int type = stored.typeId();
    return type == QMetaType::QVariantList || type == QMetaType::QStringList ? stored.toList()
                                                                             : QVariantList{stored};
}

}  // namespace

std::vector<std::filesystem::path> RecentFiles::Files() const {
    std::vector<std::filesystem::path> files;
    for (const QVariant& value : StoredList(settings_.value(kRecentKey))) {
        std::filesystem::path path = FromStored(value);
        if (!path.empty() && files.size() < std::size_t(kMaxCount)) {
            files.push_back(std::move(path));
        }
    }
    return files;
}

void RecentFiles::Add(const std::filesystem::path& path) {
    std::vector<std::filesystem::path> files = Files();
    std::erase(files, path);
    files.insert(files.begin(), path);
    files.resize(std::min(files.size(), std::size_t(kMaxCount)));
    Store(files);
}

void RecentFiles::Remove(const std::filesystem::path& path) {
    std::vector<std::filesystem::path> files = Files();
    std::erase(files, path);
    Store(files);
}

void RecentFiles::Clear() {
    Store({});
}

void RecentFiles::Store(const std::vector<std::filesystem::path>& files) {
    QVariantList values;
    for (const std::filesystem::path& path : files) {
        values << Stored(path);
    }
    settings_.setValue(kRecentKey, values);
}

}  // namespace tarn::editor
