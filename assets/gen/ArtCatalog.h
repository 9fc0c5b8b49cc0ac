// Which sprite sources exist, in which order they load, and the names of the pictures the
// programs and the program folder need from them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "assets/gen/SpriteBook.h"
#include "support/ChipTable.h"

namespace tarn::assetgen {

inline constexpr int kWalkFrames = 8;
inline constexpr int kCellSize = 16;

// Source files below the sprite folder, in load order (the palette first).
const std::vector<std::string>& SpriteFiles();

std::string ChipName(int code);    // "chip.<code>"
std::string ObjectName(int kind);  // "object.<kind>"
std::string WalkName(int frame);   // "player.<frame>"
inline const char* kPowerName = "player.power";
inline const char* kDeadName = "player.dead";
inline const char* kLifeIconName = "icon.life";
inline const char* kCoinIconName = "icon.coin";

// Loads every sprite file; false with `error` set on the first fault.
bool LoadSprites(const std::filesystem::path& spriteDir, SpriteBook& book, std::string& error);

// Checks that every picture the programs need is present and 16 x 16.
bool CheckCatalog(const SpriteBook& book, std::string& error);

// The player's mask: opaque wherever any walking picture, the power picture or the death
// picture is opaque, so that one mask serves them all. Pixels a given picture leaves
// empty inside this silhouette are drawn black.
Sprite PlayerSilhouette(const SpriteBook& book);

}  // namespace tarn::assetgen
