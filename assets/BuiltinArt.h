// The pictures compiled into the programs: chip pictures and masks by chip code, object
// pictures and masks by object kind, the player mask, the death picture, the status icons.
// Every picture is 16 x 16; masks are black where the picture is opaque, white elsewhere,
// and pictures are black where they are transparent.
#pragma once

#include <array>

#include "support/ChipTable.h"
#include "support/Surface.h"

namespace tarn::art {

struct BuiltinPictures {
    std::array<Surface, kChipCodeCount> BrTip;  // chip pictures by chip code; 0 is plain black
    std::array<Surface, kChipCodeCount> BrMask;
    std::array<Surface, kObjectKindCount> TPic;  // object pictures by object kind
    std::array<Surface, kObjectKindCount> TMask;
    Surface MyMask;    // the player's mask
    Surface DedMe;     // the death picture (drawn through MyMask)
    Surface WhiteP;    // plain white
    Surface LifeIcon;  // status strip icons
    Surface CoinIcon;
};

// Decoded on first use and kept for the program's lifetime.
const BuiltinPictures& Builtin();

}  // namespace tarn::art
