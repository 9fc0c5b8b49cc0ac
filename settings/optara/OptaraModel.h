// What the Optara dialog edits, without any toolkit: the key table of the chosen target's
// settings file, the configuration shown, and the frame-rate and colour list indexes.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "settings/SettingsFile.h"

namespace tarn::optara {

// Shown when a pressed key cannot be stored.
inline constexpr const char* kInvalidKeyMessage = "そのキーは無効です";
// Stands in for a stored code that has no character.
inline constexpr int kFallbackKey = 65;

class OptaraModel {
  public:
    explicit OptaraModel(std::filesystem::path programDir);

    // Reads the normal build's file; the target starts as the normal build. Values the
    // read replaced come back in `warnings`, for the caller to show.
    SettingsStatus Open(SettingsWarnings& warnings);
    // Reads the chosen build's file into the table and the lists. On failure nothing
    // changes, the target included.
    SettingsStatus ChooseTarget(SettingsBuild build, SettingsWarnings& warnings);
    SettingsBuild Target() const { return target_; }
    std::filesystem::path FileOf(SettingsBuild build) const;
    std::filesystem::path TargetFile() const { return FileOf(target_); }

    // Makes a configuration current; its codes without a character become "A".
    void ChooseConfig(int configNo);
    int ConfigNo() const { return configNo_; }
    // The name of the current configuration's key in a slot.
    std::string SlotName(int slot) const;

    // Stores a pressed key in a slot of the current configuration. A key with no code, or
    // one the file cannot carry, is refused: the table stays as it was and false returns.
    bool Capture(int slot, std::optional<int> code);
    static bool IsCapturable(std::optional<int> code);

    int FrameRateIndex() const { return settings_.frameRateIndex; }
    void SetFrameRateIndex(int index);
    int ColorIndex() const { return settings_.colorIndex; }
    void SetColorIndex(int index);
    const KeyTableData& KeyTable() const { return settings_.KeyTable; }

    // Writes the target's file. Codes without a character are written as "A", the same
    // replacement showing a configuration makes.
    SettingsStatus Save() const;

  private:
    std::filesystem::path programDir_;
    SettingsBuild target_ = SettingsBuild::Normal;
    int configNo_ = 0;
    ToolSettings settings_;
};

}  // namespace tarn::optara
