// The toolkit-free state of the Optara dialog.
#include "settings/optara/OptaraModel.h"

#include <algorithm>
#include <utility>

#include "settings/VirtualKeys.h"

namespace tarn::optara {
namespace {

void ReplaceNamelessCodes(std::array<std::uint8_t, kSlotCount>& config) {
    for (std::uint8_t& code : config) {
        if (vk::KeyName(code).empty()) {
            code = kFallbackKey;
        }
    }
}

}  // namespace

OptaraModel::OptaraModel(std::filesystem::path programDir) : programDir_(std::move(programDir)) {}

SettingsStatus OptaraModel::Open(SettingsWarnings& warnings) {
    target_ = SettingsBuild::Normal;
    return ChooseTarget(SettingsBuild::Normal, warnings);
}

SettingsStatus OptaraModel::ChooseTarget(SettingsBuild build, SettingsWarnings& warnings) {
    ToolSettings read;
    const SettingsStatus status = ReadToolSettings(FileOf(build), read, warnings);
    if (status == SettingsStatus::Ok) {
        settings_ = read;
        target_ = build;
    }
    return status;
}

std::filesystem::path OptaraModel::FileOf(SettingsBuild build) const {
    return programDir_ / SettingsFileName(build);
}

void OptaraModel::ChooseConfig(int configNo) {
    configNo_ = std::clamp(configNo, 0, kConfigCount - 1);
    ReplaceNamelessCodes(settings_.KeyTable[configNo_]);
}

std::string OptaraModel::SlotName(int slot) const {
    if (slot < 0 || slot >= kSlotCount) {
        return {};
    }
    return vk::KeyName(settings_.KeyTable[configNo_][slot]);
}

bool OptaraModel::IsCapturable(std::optional<int> code) {
    return code && IsStorableKeyCode(*code) && !vk::KeyName(*code).empty();
}

bool OptaraModel::Capture(int slot, std::optional<int> code) {
    if (slot < 0 || slot >= kSlotCount || !IsCapturable(code)) {
        return false;
    }
    settings_.KeyTable[configNo_][slot] = static_cast<std::uint8_t>(*code);
    return true;
}

void OptaraModel::SetFrameRateIndex(int index) {
    if (index >= 0 && index < kFrameRateCount) {
        settings_.frameRateIndex = index;
    }
}

void OptaraModel::SetColorIndex(int index) {
    if (index >= 0 && index < kColorCount) {
        settings_.colorIndex = index;
    }
}

SettingsStatus OptaraModel::Save() const {
    ToolSettings toWrite = settings_;
    for (auto& config : toWrite.KeyTable) {
        ReplaceNamelessCodes(config);
    }
    return WriteSettingsFile(TargetFile(), toWrite);
}

}  // namespace tarn::optara
