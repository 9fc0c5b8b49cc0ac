// A new folder of the editor's own below a given one (the test play's stage copies),
// made and removed with the path's bytes: the folder above may have a name Qt's text
// cannot hold.
#pragma once

#include <filesystem>
#include <memory>
#include <string_view>

namespace tarn::editor {

class PrivateFolder {
  public:
    // A folder named prefix and a random part, readable by its owner only; nullptr when
    // none could be made.
    static std::unique_ptr<PrivateFolder> Make(const std::filesystem::path& parent,
                                               std::string_view prefix);
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

  private:
    explicit PrivateFolder(std::filesystem::path path) : path_(std::move(path)) {}
    std::filesystem::path path_;
};

}  // namespace tarn::editor
