// The stage files opened or saved last, newest first, kept in the settings for the
// ファイル menu.
#pragma once

#include <QStringList>

class QSettings;

namespace tarn::editor {

class RecentFiles {
  public:
    static constexpr int kMaxCount = 8;

    explicit RecentFiles(QSettings& settings) : settings_(settings) {}

    QStringList Files() const;
    // Puts path first, once; the oldest beyond kMaxCount drop out.
    void Add(const QString& path);
    void Remove(const QString& path);
    void Clear();

  private:
    void Store(const QStringList& files);
    QSettings& settings_;
};

}  // namespace tarn::editor
