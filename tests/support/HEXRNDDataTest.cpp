// Masked sprites, digit strips, random ranges and number texts.
#include "support/HEXRNDData.h"

#include <gtest/gtest.h>

#include <set>

namespace tarn {
namespace {

TEST(MaskBilt, AllWhiteMaskLeavesTheDestinationWhereTheSpriteIsBlack) {
    Surface field(4, 4, Rgb(1, 2, 3));
    const Surface mask(4, 4, kWhite);
    Surface sprite(4, 4, kBlack);
    sprite.SetPixel(1, 1, Rgb(0, 0, 255));
    HEXRNDData::MaskBilt(field, sprite, mask, 4, 4, 0, 0, 0, 0);
    EXPECT_EQ(field.Pixel(0, 0), Rgb(1, 2, 3));
    EXPECT_EQ(field.Pixel(1, 1), Rgb(1, 2, 255));  // OR over an unmasked pixel
}

TEST(MaskBilt, ReadsSpriteAndMaskAtTheMaskPosition) {
    Surface field(2, 2, kWhite);
    Surface mask(4, 1, kWhite);
    Surface sprite(4, 1, kBlack);
    mask.SetPixel(3, 0, kBlack);
    sprite.SetPixel(3, 0, Rgb(9, 9, 9));
    HEXRNDData::MaskBilt(field, sprite, mask, 1, 1, 1, 1, 3, 0);
    EXPECT_EQ(field.Pixel(1, 1), Rgb(9, 9, 9));
    EXPECT_EQ(field.Pixel(0, 0), kWhite);
}

// A digit strip whose glyph v is a single pixel of colour v + 1.
void DigitStrip(Surface& glyphs, Surface& masks) {
    glyphs.Reset(10, 1, kBlack);
    masks.Reset(10, 1, kBlack);
    for (int v = 0; v < 10; ++v) {
        glyphs.SetPixel(v, 0, std::uint32_t(v + 1));
    }
}

TEST(PointBilt, ClampsToTheLargestNumberThatFitsAndLowersTheCallersValue) {
    Surface glyphs, masks;
    DigitStrip(glyphs, masks);
    Surface field(3, 1, kWhite);
    std::int32_t points = 1234;
    HEXRNDData::PointBilt(points, 3, field, glyphs, masks, 1, 1, 0, 0);
    EXPECT_EQ(points, 999);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(field.Pixel(i, 0), 10u);
    }
}

TEST(PointBilt, PadsWithZeros) {
    Surface glyphs, masks;
    DigitStrip(glyphs, masks);
    Surface field(3, 1, kWhite);
    std::int32_t points = 7;
    HEXRNDData::PointBilt(points, 3, field, glyphs, masks, 1, 1, 0, 0);
    EXPECT_EQ(points, 7);
    EXPECT_EQ(field.Pixel(0, 0), 1u);
    EXPECT_EQ(field.Pixel(1, 0), 1u);
    EXPECT_EQ(field.Pixel(2, 0), 8u);
}

TEST(RndL, EqualOrReversedBoundsGiveZero) {
    HEXRNDData data;
    EXPECT_EQ(data.RndL(5, 5), 0);
    EXPECT_EQ(data.RndL(6, 1), 0);
}

TEST(RndL, CoversTheWholeInclusiveRange) {
    HEXRNDData data;
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int v = data.RndL(1, 6);
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 6);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 6u);
}

TEST(NumberTexts, Hex2HasTwoUpperCaseDigits) {
    EXPECT_EQ(HEXRNDData::Hex2(10), "0A");
    EXPECT_EQ(HEXRNDData::Hex2(255), "FF");
    EXPECT_EQ(HEXRNDData::Hex2(0), "00");
}

TEST(NumberTexts, Run00xPadsOrFillsWithNines) {
    EXPECT_EQ(HEXRNDData::Run00x(42, 4), "0042");
    EXPECT_EQ(HEXRNDData::Run00x(1234, 3), "999");
    EXPECT_EQ(HEXRNDData::Run00x(123, 3), "123");
}

TEST(StrAsc, DecodingWithTheSameKeyRestoresTheText) {
    const std::u16string text = u"Tarn ステージ";
    const auto encoded = HEXRNDData::StrAscEnCode(text, 7);
    ASSERT_TRUE(encoded);
    EXPECT_NE(*encoded, text);
    EXPECT_EQ(HEXRNDData::StrAscDeCode(*encoded, 7), text);
}

TEST(StrAsc, CodesLeavingTheRangeAreRefused) {
    EXPECT_FALSE(HEXRNDData::StrAscEnCode(u"\xFFFF", 1));
    EXPECT_FALSE(HEXRNDData::StrAscDeCode(u"A", 100));
    EXPECT_FALSE(HEXRNDData::StrAscDeCode(std::u16string(32768, u'a'), 1));
    EXPECT_TRUE(HEXRNDData::StrAscDeCode(std::u16string(32767, u'a'), 1));
}

}  // namespace
}  // namespace tarn
