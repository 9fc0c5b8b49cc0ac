// The default key configurations and settings files.
#include "assets/gen/DefaultSettings.h"

#include "settings/VirtualKeys.h"

namespace tarn::assetgen {

KeyTableData DefaultKeyTable() {
    using namespace tarn::vk;
    // Slot order: right, left, dash, jump, give up, power.
    return {{
        {std::uint8_t(kRight), std::uint8_t(kLeft), std::uint8_t(Letter('Z')), std::uint8_t(kUp),
         std::uint8_t(kBack), std::uint8_t(Letter('X'))},
        {std::uint8_t(Letter('D')), std::uint8_t(Letter('A')), std::uint8_t(kShift),
         std::uint8_t(Letter('W')), std::uint8_t(kBack), std::uint8_t(kTab)},
        {std::uint8_t(Letter('F')), std::uint8_t(Letter('S')), std::uint8_t(Letter('J')),
         std::uint8_t(Letter('K')), std::uint8_t(kBack), std::uint8_t(Letter('P'))},
        {std::uint8_t(kNumpad0 + 6), std::uint8_t(kNumpad0 + 4), std::uint8_t(kNumpad0),
         std::uint8_t(kNumpad0 + 8), std::uint8_t(kDivide), std::uint8_t(kAdd)},
        {std::uint8_t(kRight), std::uint8_t(kLeft), std::uint8_t(kShift), std::uint8_t(kSpace),
         std::uint8_t(kBack), std::uint8_t(Letter('C'))},
    }};
}

ToolSettings DefaultSettings(SettingsBuild build) {
    ToolSettings settings;
    settings.KeyTable = DefaultKeyTable();
    settings.frameRateIndex = build == SettingsBuild::Normal ? 5 : 2;  // "60" / "30"
    settings.colorIndex = 1;                                           // "16bit"
    return settings;
}

bool WriteDefaultSettings(const std::filesystem::path& folder, std::string& error) {
    for (SettingsBuild build : {SettingsBuild::Normal, SettingsBuild::LowSpec}) {
        const std::filesystem::path file = folder / SettingsFileName(build);
        const SettingsStatus status = WriteSettingsFile(file, DefaultSettings(build));
        if (status != SettingsStatus::Ok) {
            error = SettingsMessage(status, file);
            return false;
        }
    }
    return true;
}

}  // namespace tarn::assetgen
