// The default key configurations and settings of each build.
#include "settings/DefaultSettings.h"

#include "settings/VirtualKeys.h"

namespace tarn {

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

}  // namespace tarn
