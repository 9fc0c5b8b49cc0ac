// Code page 932 conversion.
#include "support/Cp932.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(Cp932, JapaneseRoundTrips) {
    const std::string utf8 = "ステージ１ ﾊﾞｯｸ ゴール2";
    const std::string bytes = cp932::FromUtf8(utf8);
    EXPECT_NE(bytes, utf8);
    EXPECT_EQ(cp932::ToUtf8(bytes), utf8);
}

TEST(Cp932, KnownBytes) {
    // "ア" is 83 41 in code page 932; half-width "ｱ" is B1.
    EXPECT_EQ(cp932::FromUtf8("ア"), "\x83\x41");
    EXPECT_EQ(cp932::FromUtf8("ｱ"), "\xB1");
    EXPECT_EQ(cp932::ToUtf8("\x83\x41"), "ア");
}

TEST(Cp932, AsciiPassesUnchanged) {
    EXPECT_EQ(cp932::ToUtf8("1-1,NONE"), "1-1,NONE");
    EXPECT_EQ(cp932::FromUtf8("1-1,NONE"), "1-1,NONE");
}

TEST(Cp932, BrokenInputIsReplacedNotDropped) {
    // A lone lead byte at the end has no character.
    EXPECT_EQ(cp932::ToUtf8("A\x83"), "A\xEF\xBF\xBD");
    EXPECT_FALSE(cp932::ToUtf8Strict("A\x83"));
    // A character code page 932 does not hold.
    EXPECT_EQ(cp932::FromUtf8("a😀b"), "a?b");
    EXPECT_FALSE(cp932::FromUtf8Strict("😀"));
}

TEST(Cp932, UnconvertibleCharactersAreListedOnceInOrder) {
    EXPECT_TRUE(cp932::UnconvertibleCharacters("森のｽﾃｰｼﾞ 1-1 ～").empty());
    EXPECT_EQ(cp932::UnconvertibleCharacters("a😀한b😀"), (std::vector<std::string>{"😀", "한"}));
    EXPECT_EQ(cp932::UnconvertibleCharacters("x\x80y"), (std::vector<std::string>{"\x80"}));
}

TEST(Cp932, LeadBytes) {
    EXPECT_TRUE(cp932::IsLeadByte(0x81));
    EXPECT_TRUE(cp932::IsLeadByte(0x9F));
    EXPECT_TRUE(cp932::IsLeadByte(0xE0));
    EXPECT_TRUE(cp932::IsLeadByte(0xFC));
    EXPECT_FALSE(cp932::IsLeadByte(0x80));
    EXPECT_FALSE(cp932::IsLeadByte(0xA0));
    EXPECT_FALSE(cp932::IsLeadByte(0xB1));
    EXPECT_FALSE(cp932::IsLeadByte('A'));
}

}  // namespace
}  // namespace tarn
