// The stage files opened or saved last, newest first, kept in the settings for the
// ファイル menu. A path whose name text cannot hold is kept as its bytes.
#pragma once

#include <filesystem>
#include <vector>

class QSettings;

namespace tarn::editor {

class RecentFiles {
  public:
    static constexpr int kMaxCount = 8;

    explicit RecentFiles(QSettings& settings) : settings_(settings) {}

    std::vector<std::filesystem::path> Files() const;
    // Puts path first, once; the oldest beyond kMaxCount drop out.
    void Add(const std::filesystem::path& path);
    void Remove(const std::filesystem::path& path);
    void Clear();

  private:
    void Store(const std::vector<std::filesystem::path>& files);
    QSettings& settings_;
};

}  // namespace tarn::editor
