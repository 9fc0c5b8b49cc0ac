// The built-in pictures as generated from the sprite sources (see assets/gen/EmbedArt.cpp).
// Each picture is 16 x 16 words, row by row: 0x00RRGGBB for an opaque pixel, or
// kTransparent.
#pragma once

#include <cstdint>

#include "support/ChipTable.h"

namespace tarn::art::data {

inline constexpr std::uint32_t kTransparent = 0x01000000;
inline constexpr int kSide = 16;

struct EmbeddedPicture {
    std::uint32_t pixels[kSide * kSide];
};

extern const EmbeddedPicture kChips[kChipCodeCount];
extern const EmbeddedPicture kObjects[kObjectKindCount];
extern const EmbeddedPicture kPlayerMask[1];
extern const EmbeddedPicture kDead[1];
extern const EmbeddedPicture kLifeIcon[1];
extern const EmbeddedPicture kCoinIcon[1];

}  // namespace tarn::art::data
