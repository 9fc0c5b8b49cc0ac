// The map's cell geometry and the one table of chip codes: for each of the 24 codes of a
// stage map its name, the editor's palette text, whether the game treats it as solid,
// and the moving object it becomes when a stage loads, with that object's starting steps.
// The game's loader and rules, the editor's palette, tr2tool, the asset generator and the
// tests read it; assets/stages/make_stages.py reads the names of the Chip enumeration
// from this file, so keep its entries in the form "Name = code,".
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tarn {

inline constexpr int kMapColumns = 200;
inline constexpr int kMapRows = 60;
inline constexpr int kChipSize = 16;                       // pixels per cell side in the game
inline constexpr int kMapWidth = kMapColumns * kChipSize;  // 3200 pixels
inline constexpr int kMapHeight = kMapRows * kChipSize;    // 960 pixels

// Chip codes as a stage map stores them ("0".."9", "A".."N"); the palette position in the
// editor is the code.
enum class Chip : std::int32_t {
    Empty = 0,
    BreakableBlock = 1,
    UnbreakableBlock = 2,
    Goal1 = 3,
    Spike = 4,
    Coin = 5,  // the palette's "聖水"; the game counts it as a coin
    HorizontalLift = 6,
    VerticalLiftUp = 7,
    HorizontalSpike = 8,
    VerticalSpikeUp = 9,
    HiddenBlock = 10,
    DiagonalEnemy = 11,
    HorizontalEnemy = 12,
    VerticalEnemy = 13,
    WalkingEnemy = 14,
    WalkingEnemyFalling = 15,
    TurningWalkingEnemy = 16,  // turns at edges instead of walking off them
    VerticalLiftDown = 17,
    VerticalSpikeDown = 18,
    Goal2 = 19,
    ExtraLife = 20,
    CoinBlock = 21,
    HiddenExtraLifeBlock = 22,
    ExtraLifeBlock = 23,
};
inline constexpr int kChipCodeCount = 24;

constexpr std::int32_t Code(Chip chip) {
    return static_cast<std::int32_t>(chip);
}

// Kinds of the moving objects (`ObjKind`). Defeated is never loaded: stomped enemies
// and objects lost below the map turn into it. The walking kinds change to their
// falling kind and back while they play.
enum class ObjectKind : std::uint8_t {
    HorizontalLift = 0,
    VerticalLift = 1,
    HorizontalSpike = 2,
    VerticalSpike = 3,
    Defeated = 4,
    DiagonalEnemy = 5,
    HorizontalEnemy = 6,
    VerticalEnemy = 7,
    WalkingEnemy = 8,
    WalkingEnemyFalling = 9,
    TurningWalkingEnemy = 10,
    TurningWalkingEnemyFalling = 11,
};
inline constexpr int kObjectKindCount = 12;

struct ChipInfo {
    Chip chip;
    std::string_view name;             // as the tools print it
    std::string_view paletteText;      // the editor's palette entry (UTF-8)
    bool solid;                        // blocks the player and objects (`PassMap` 0)
    std::optional<ObjectKind> object;  // the moving object the cell becomes at load
    int dx;  // the object's starting steps in the normal build (`ObjDX`, `ObjDY`;
    int dy;  // subtracted each frame, so positive moves left and up)
};

// clang-format off
inline constexpr std::array<ChipInfo, kChipCodeCount> kChipTable = {{
    {Chip::Empty,                "empty",                         "削除モード",         false, {},                               0,  0},
    {Chip::BreakableBlock,       "breakable block",               "潰れるﾌﾞﾛｯｸ",        true,  {},                               0,  0},
    {Chip::UnbreakableBlock,     "unbreakable block",             "潰れないﾌﾞﾛｯｸ",      true,  {},                               0,  0},
    {Chip::Goal1,                "goal 1",                        "ゴール1",            false, {},                               0,  0},
    {Chip::Spike,                "spike",                         "針",                 false, {},                               0,  0},
    {Chip::Coin,                 "coin",                          "聖水",               false, {},                               0,  0},
    {Chip::HorizontalLift,       "horizontal lift",               "横に動くリフト",     false, ObjectKind::HorizontalLift,       2,  0},
    {Chip::VerticalLiftUp,       "vertical lift (up)",            "縦に動くリフト(上)", false, ObjectKind::VerticalLift,         0,  2},
    {Chip::HorizontalSpike,      "horizontal spike",              "横に動く針",         false, ObjectKind::HorizontalSpike,      1,  0},
    {Chip::VerticalSpikeUp,      "vertical spike (up)",           "縦に動く針(上)",     false, ObjectKind::VerticalSpike,        0,  2},
    {Chip::HiddenBlock,          "hidden block",                  "隠しﾌﾞﾛｯｸ",          false, {},                               0,  0},
    {Chip::DiagonalEnemy,        "diagonal enemy",                "斜めに動く敵",       false, ObjectKind::DiagonalEnemy,        1,  1},
    {Chip::HorizontalEnemy,      "horizontal enemy",              "横に動く敵",         false, ObjectKind::HorizontalEnemy,      1,  0},
    {Chip::VerticalEnemy,        "vertical enemy",                "縦に動く敵",         false, ObjectKind::VerticalEnemy,        0,  2},
    {Chip::WalkingEnemy,         "walking enemy",                 "歩く敵",             false, ObjectKind::WalkingEnemy,         1,  0},
    {Chip::WalkingEnemyFalling,  "walking enemy, falling",        "歩く敵落下中",       false, ObjectKind::WalkingEnemyFalling,  1,  0},
    {Chip::TurningWalkingEnemy,  "walking enemy, stays on edges", "落ちない歩く敵",     false, ObjectKind::TurningWalkingEnemy,  1,  0},
    {Chip::VerticalLiftDown,     "vertical lift (down)",          "縦に動くリフト(下)", false, ObjectKind::VerticalLift,         0, -2},
    {Chip::VerticalSpikeDown,    "vertical spike (down)",         "縦に動く針(下)",     false, ObjectKind::VerticalSpike,        0, -2},
    {Chip::Goal2,                "goal 2",                        "ゴール2",            false, {},                               0,  0},
    {Chip::ExtraLife,            "1UP item",                      "1UP",                false, {},                               0,  0},
    {Chip::CoinBlock,            "coin block",                    "itemコイン",         true,  {},                               0,  0},
    {Chip::HiddenExtraLifeBlock, "hidden 1UP block",              "隠しブロック(1UP",   false, {},                               0,  0},
    {Chip::ExtraLifeBlock,       "1UP block",                     "item1UP",            true,  {},                               0,  0},
}};
// clang-format on

constexpr bool TableIsInCodeOrder() {
    for (std::size_t i = 0; i < kChipTable.size(); ++i) {
        if (Code(kChipTable[i].chip) != static_cast<std::int32_t>(i)) {
            return false;
        }
    }
    return true;
}
static_assert(TableIsInCodeOrder(), "kChipTable must list the codes 0..23 in order");

// The entry of a code; null for codes outside 0..23 (end markers, damaged files).
constexpr const ChipInfo* FindChip(std::int32_t code) {
    if (code < 0 || code >= kChipCodeCount) {
        return nullptr;
    }
    return &kChipTable[static_cast<std::size_t>(code)];
}

constexpr const ChipInfo& InfoOf(Chip chip) {
    return kChipTable[static_cast<std::size_t>(Code(chip))];
}

// True for the codes a loaded stage marks solid in `PassMap`.
constexpr bool IsSolidCode(std::int32_t code) {
    const ChipInfo* info = FindChip(code);
    return info != nullptr && info->solid;
}

// True for the codes that become moving objects when a stage loads.
constexpr bool BecomesObject(std::int32_t code) {
    const ChipInfo* info = FindChip(code);
    return info != nullptr && info->object.has_value();
}

}  // namespace tarn
