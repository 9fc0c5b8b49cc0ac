// What the Optara dialog edits, without any toolkit: the key tables of the two builds'
// settings files, the target being edited, the configuration shown, and the frame-rate
// and colour list indexes.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "settings/SettingsFile.h"
#include "settings/optara/KeyProblems.h"
#include "support/ProgramPaths.h"

namespace tarn::optara {

// The caption of the dialog and of its message boxes.
inline constexpr const char* kOptaraTitle = "Morvane 2 - Optara";
// Shown when a pressed key cannot be stored (the first line of the refusal).
inline constexpr const char* kInvalidKeyMessage = "そのキーは無効です";
// Stands in for a stored code that has no character.
inline constexpr int kFallbackKey = 65;

enum class CaptureResult {
    Stored,
    NoCode,       // the key is not in the key table
    NotStorable,  // the settings line cannot carry the key's code
};

class OptaraModel {
  public:
    // The settings files of a portable program folder.
    explicit OptaraModel(const std::filesystem::path& programDir);
    // In an install the user's copy of a build's file is read when there is one, else the
    // shipped file; saving always writes the user's copy.
    explicit OptaraModel(ProgramPaths paths);

    // Reads the normal build's file; the target starts as the normal build. Values the
    // read replaced come back in `warnings`, for the caller to show.
    SettingsStatus Open(SettingsWarnings& warnings);
    // Makes a build the target. Its file is read the first time; after that the edits
    // made to it are kept, so switching back and forth loses nothing. On failure nothing
    // changes, the target included.
    SettingsStatus ChooseTarget(SettingsBuild build, SettingsWarnings& warnings);
    SettingsBuild Target() const { return target_; }
    bool IsLoaded(SettingsBuild build) const { return File(build).loaded; }
    // The file a build's settings are saved to.
    std::filesystem::path FileOf(SettingsBuild build) const;
    // The file a build's settings are read from: FileOf, or the shipped file while an
    // install has no copy of the user's yet.
    std::filesystem::path SourceOf(SettingsBuild build) const;
    std::filesystem::path TargetFile() const { return FileOf(target_); }
    // Where CreateDefaultFile keeps a damaged file it replaces.
    std::filesystem::path BackupOf(SettingsBuild build) const;

    // Writes the build's file with the defaults the build ships and takes them as that
    // build's table. A file already there (a damaged one) is first renamed to BackupOf;
    // a shipped file is never touched.
    SettingsStatus CreateDefaultFile(SettingsBuild build);

    // Makes a configuration current; its codes without a character become "A".
    void ChooseConfig(int configNo);
    int ConfigNo() const { return configNo_; }
    // The readable name of the current configuration's key in a slot.
    std::string SlotName(int slot) const;

    // Stores a pressed key in a slot of the current configuration; a key without a code,
    // or one the file cannot carry, is refused and the table stays as it was.
    CaptureResult Capture(int slot, std::optional<int> code);
    static CaptureResult Check(std::optional<int> code);
    // The message for a refused key: that it is invalid, why, and that the slot keeps
    // its key.
    std::string RefusalMessage(int slot, std::optional<int> code) const;

    // The problems of a configuration of the target.
    std::vector<KeyProblem> Problems(int configNo) const;
    // Every problem that needs the user's confirmation before saving, one line each
    // naming its configuration ("Optara 2: ...").
    std::vector<std::string> ProblemsToConfirm(SettingsBuild build) const;

    int FrameRateIndex() const { return Current().frameRateIndex; }
    void SetFrameRateIndex(int index);
    int ColorIndex() const { return Current().colorIndex; }
    void SetColorIndex(int index);
    const KeyTableData& KeyTable() const { return Current().KeyTable; }

    // True when a loaded build's table or lists differ from its file.
    bool HasUnsavedChanges(SettingsBuild build) const;
    // Writes the target's file, or a loaded build's file. Codes without a character are
    // written as "A", the same replacement showing a configuration makes.
    SettingsStatus Save();
    SettingsStatus Save(SettingsBuild build);

    // The system's reason for the last read or write of a file that failed, for messages.
    const FileReason& LastFileReason() const { return reason_; }

  private:
    struct BuildFile {
        bool loaded = false;
        ToolSettings settings;
        ToolSettings saved;  // as last read or written, codes without a character as "A"
    };
    BuildFile& File(SettingsBuild build) { return files_[build == SettingsBuild::LowSpec]; }
    const BuildFile& File(SettingsBuild build) const {
        return files_[build == SettingsBuild::LowSpec];
    }
    ToolSettings& Current() { return File(target_).settings; }
    const ToolSettings& Current() const { return File(target_).settings; }
    void Load(SettingsBuild build, const ToolSettings& settings);

    // Writes a build's file, making the user's configuration folder first.
    SettingsStatus Write(SettingsBuild build, const ToolSettings& settings);

    ProgramPaths paths_;
    SettingsBuild target_ = SettingsBuild::Normal;
    int configNo_ = 0;
    std::array<BuildFile, 2> files_;
    FileReason reason_;
};

}  // namespace tarn::optara
