// A fresh folder per test, removed afterwards, and stage file helpers.
#pragma once

#include <filesystem>
#include <string>

#include "support/StageText.h"

namespace tarn::editor::testing {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

// Writes a stage as tr2tool encode does: the stage text, enciphered.
void WriteStage(const std::string& path, const StageFields& fields);
// Writes a plain text enciphered as a stage file (for damaged texts).
void WriteEnciphered(const std::string& path, const std::string& plain);
// Reads a stage file back to its plain text.
std::string ReadPlain(const std::string& path);

}  // namespace tarn::editor::testing
