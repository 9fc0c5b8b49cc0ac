// The pictures compiled into the programs: sizes, the mask convention, and that every chip
// and object can be told apart at the game's 16 x 16 and the editor's 10 x 10.
#include "assets/BuiltinArt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarn::art {
namespace {

struct Pair {
    std::string name;
    const Surface* picture;
    const Surface* mask;
};

std::vector<Pair> AllPairs() {
    const BuiltinPictures& art = Builtin();
    std::vector<Pair> pairs;
    for (std::size_t code = 0; code < art.BrTip.size(); ++code) {
        pairs.push_back({"chip " + std::to_string(code), &art.BrTip[code], &art.BrMask[code]});
    }
    for (std::size_t kind = 0; kind < art.TPic.size(); ++kind) {
        pairs.push_back({"object " + std::to_string(kind), &art.TPic[kind], &art.TMask[kind]});
    }
    pairs.push_back({"death picture", &art.DedMe, &art.MyMask});
    return pairs;
}

int OpaqueCount(const Surface& mask) {
    int count = 0;
    for (std::uint32_t pixel : mask.Pixels()) {
        count += pixel == kBlack ? 1 : 0;
    }
    return count;
}

// The picture as the editor shows it: stretched to 10 x 10 through its mask on grey.
Surface AsSmallChip(const Surface& picture, const Surface& mask) {
    Surface cell(10, 10, Rgb(128, 128, 128));
    StretchBlt(cell, 0, 0, 10, 10, mask, 0, 0, 16, 16, RasterOp::SrcAnd);
    StretchBlt(cell, 0, 0, 10, 10, picture, 0, 0, 16, 16, RasterOp::SrcPaint);
    return cell;
}

// The picture alone shrunk to 10 x 10, transparent parts black.
Surface Shrunk(const Surface& picture) {
    Surface cell(10, 10, kBlack);
    StretchBlt(cell, 0, 0, 10, 10, picture, 0, 0, 16, 16);
    return cell;
}

TEST(BuiltinArt, EveryPictureIsSixteenBySixteen) {
    const BuiltinPictures& art = Builtin();
    std::vector<const Surface*> all = {&art.MyMask, &art.DedMe, &art.WhiteP, &art.LifeIcon,
                                       &art.CoinIcon};
    for (const Pair& pair : AllPairs()) {
        all.push_back(pair.picture);
        all.push_back(pair.mask);
    }
    for (const Surface* surface : all) {
        EXPECT_EQ(surface->width(), 16);
        EXPECT_EQ(surface->height(), 16);
    }
}

TEST(BuiltinArt, MasksHoldOnlyBlackAndWhite) {
    for (const Pair& pair : AllPairs()) {
        for (std::uint32_t pixel : pair.mask->Pixels()) {
            ASSERT_TRUE(pixel == kBlack || pixel == kWhite) << pair.name;
        }
    }
}

TEST(BuiltinArt, PicturesAreBlackWhereTheirMasksAreWhite) {
    for (const Pair& pair : AllPairs()) {
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                if (pair.mask->Pixel(x, y) == kWhite) {
                    ASSERT_EQ(pair.picture->Pixel(x, y), kBlack)
                        << pair.name << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST(BuiltinArt, EmptyChipAndLostObjectAreFullyTransparent) {
    const BuiltinPictures& art = Builtin();
    EXPECT_EQ(art.BrTip[0], Surface(16, 16, kBlack));
    EXPECT_EQ(art.BrMask[0], Surface(16, 16, kWhite));
    EXPECT_EQ(art.TPic[4], Surface(16, 16, kBlack));
    EXPECT_EQ(art.TMask[4], Surface(16, 16, kWhite));
}

TEST(BuiltinArt, EveryOtherChipAndObjectShowsSomething) {
    for (const Pair& pair : AllPairs()) {
        if (pair.name == "chip 0" || pair.name == "object 4") {
            continue;
        }
        EXPECT_GT(OpaqueCount(*pair.mask), 20) << pair.name;
    }
}

TEST(BuiltinArt, SolidBlocksFillTheirWholeCell) {
    const BuiltinPictures& art = Builtin();
    for (int code : {1, 2, 21, 23}) {
        EXPECT_EQ(OpaqueCount(art.BrMask[std::size_t(code)]), 256) << "chip " << code;
    }
}

TEST(BuiltinArt, ChipsDifferFromEachOtherAtBothSizes) {
    const BuiltinPictures& art = Builtin();
    for (std::size_t a = 0; a < art.BrTip.size(); ++a) {
        for (std::size_t b = a + 1; b < art.BrTip.size(); ++b) {
            EXPECT_FALSE(art.BrTip[a] == art.BrTip[b] && art.BrMask[a] == art.BrMask[b])
                << "chips " << a << " and " << b;
            EXPECT_NE(AsSmallChip(art.BrTip[a], art.BrMask[a]),
                      AsSmallChip(art.BrTip[b], art.BrMask[b]))
                << "chips " << a << " and " << b << " at 10 x 10 through their masks";
            EXPECT_NE(Shrunk(art.BrTip[a]), Shrunk(art.BrTip[b]))
                << "chips " << a << " and " << b << " at 10 x 10 on black";
        }
    }
}

TEST(BuiltinArt, ObjectKindsDifferFromEachOther) {
    const BuiltinPictures& art = Builtin();
    for (std::size_t a = 0; a < art.TPic.size(); ++a) {
        for (std::size_t b = a + 1; b < art.TPic.size(); ++b) {
            EXPECT_NE(art.TPic[a], art.TPic[b]) << "kinds " << a << " and " << b;
        }
    }
}

// The chip pictures of moving chips are composed from an object picture plus a marker;
// the object must be the one the chip table says the chip becomes, so the editor shows
// what the game will move.
TEST(BuiltinArt, MovingChipsShowTheObjectTheyLoadAs) {
    const BuiltinPictures& art = Builtin();
    const auto sharedPixels = [](const Surface& a, const Surface& b) {
        int same = 0;
        for (std::size_t i = 0; i < a.Pixels().size(); ++i) {
            same += a.Pixels()[i] == b.Pixels()[i] ? 1 : 0;
        }
        return same;
    };
    for (const ChipInfo& chip : kChipTable) {
        if (!chip.object) {
            continue;
        }
        const Surface& picture = art.BrTip[std::size_t(Code(chip.chip))];
        std::size_t closest = 0;
        for (std::size_t kind = 1; kind < art.TPic.size(); ++kind) {
            if (sharedPixels(picture, art.TPic[kind]) > sharedPixels(picture, art.TPic[closest])) {
                closest = kind;
            }
        }
        EXPECT_EQ(closest, std::size_t(*chip.object)) << chip.name;
    }
}

TEST(BuiltinArt, WhitePictureIsPlainWhite) {
    EXPECT_EQ(Builtin().WhiteP, Surface(16, 16, kWhite));
}

TEST(BuiltinArt, StatusIconsAreDrawn) {
    const BuiltinPictures& art = Builtin();
    EXPECT_NE(art.LifeIcon, Surface(16, 16, kBlack));
    EXPECT_NE(art.CoinIcon, Surface(16, 16, kBlack));
    EXPECT_NE(art.LifeIcon, art.CoinIcon);
}

TEST(BuiltinArt, DecodesOnceAndKeepsThePictures) {
    EXPECT_EQ(&Builtin(), &Builtin());
}

}  // namespace
}  // namespace tarn::art
