// The settings the build ships.
#include "settings/DefaultSettings.h"

#include <gtest/gtest.h>

#include <set>

namespace tarn {
namespace {

TEST(DefaultSettings, EveryKeyCanBeStoredInTheSettingsLine) {
    for (const auto& config : DefaultKeyTable()) {
        for (std::uint8_t key : config) {
            EXPECT_TRUE(IsStorableKeyCode(key)) << int(key);
        }
    }
}

TEST(DefaultSettings, NoConfigurationBindsOneKeyTwice) {
    for (const auto& config : DefaultKeyTable()) {
        EXPECT_EQ(std::set<std::uint8_t>(config.begin(), config.end()).size(), config.size());
    }
}

TEST(DefaultSettings, FirstConfigurationIsArrowsWithZToDash) {
    const auto first = DefaultKeyTable()[0];
    EXPECT_EQ(first[kSlotRight], 39);
    EXPECT_EQ(first[kSlotLeft], 37);
    EXPECT_EQ(first[kSlotDash], 90);
    EXPECT_EQ(first[kSlotJump], 38);
}

TEST(DefaultSettings, KeypadConfigurationMovesWithKeypadDigits) {
    const auto keypad = DefaultKeyTable()[3];
    for (KeySlot slot : {kSlotRight, kSlotLeft, kSlotDash, kSlotJump}) {
        EXPECT_GE(keypad[slot], 96);
        EXPECT_LE(keypad[slot], 105);
    }
}

TEST(DefaultSettings, BuildsDifferOnlyInFrameRate) {
    const ToolSettings normal = DefaultSettings(SettingsBuild::Normal);
    const ToolSettings lowSpec = DefaultSettings(SettingsBuild::LowSpec);
    EXPECT_EQ(normal.frameRateIndex, 5);
    EXPECT_EQ(lowSpec.frameRateIndex, 2);
    EXPECT_EQ(normal.colorIndex, 1);
    EXPECT_EQ(lowSpec.colorIndex, 1);
    EXPECT_EQ(normal.KeyTable, lowSpec.KeyTable);
}

}  // namespace
}  // namespace tarn
