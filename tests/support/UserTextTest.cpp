// Excerpts of user data for messages.
#include "support/UserText.h"

#include <gtest/gtest.h>

#include <string>

namespace tarn {
namespace {

TEST(Excerpt, ShortPrintableTextStaysAsItIs) {
    EXPECT_EQ(Excerpt("1-2"), "1-2");
    EXPECT_EQ(Excerpt("\xE3\x81\x82\xE3\x81\x84"), "\xE3\x81\x82\xE3\x81\x84");
    EXPECT_EQ(Excerpt(""), "");
}

TEST(Excerpt, LongTextIsCutToTheBoundAndMarked) {
    const std::string shown = Excerpt(std::string(60'000'000, 'x'));
    EXPECT_EQ(shown, std::string(kExcerptBytes, 'x') + "...");
    EXPECT_EQ(Excerpt("abcdef", 4), "abcd...");
    EXPECT_EQ(Excerpt("abcd", 4), "abcd");
}

TEST(Excerpt, CutNeverSplitsACharacter) {
    // Three-byte characters: 13 fit into 40 bytes, the 14th would not.
    std::string text;
    for (int i = 0; i < 20; ++i) {
        text += "\xE3\x81\x82";
    }
    const std::string shown = Excerpt(text);
    EXPECT_EQ(shown, text.substr(0, 39) + "...");
}

TEST(Excerpt, ControlCharactersBecomeQuestionMarks) {
    EXPECT_EQ(Excerpt("\x1b]0;t\a\x1b[2J"), "?]0;t??[2J");
    EXPECT_EQ(Excerpt(std::string("a\0b\r\n\x7f", 6)), "a?b???");
    EXPECT_EQ(Excerpt("\xC2\x9B"
                      "31m"),
              "?31m");  // the one-byte CSI of some terminals
}

TEST(Excerpt, BytesThatAreNoUtf8BecomeReplacementCharacters) {
    EXPECT_EQ(Excerpt("a\xFF"
                      "b"),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(Excerpt("\xE3\x81"), "\xEF\xBF\xBD\xEF\xBF\xBD");                  // cut short
    EXPECT_EQ(Excerpt("\xC0\xAF"), "\xEF\xBF\xBD\xEF\xBF\xBD");                  // overlong "/"
    EXPECT_EQ(Excerpt("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");  // surrogate
}

TEST(ShownPath, PathsAreShownWholeAndPrintable) {
    const std::string longPath = "/" + std::string(500, 'p') + "/x.tr2";
    EXPECT_EQ(ShownPath(longPath), longPath);
    EXPECT_EQ(ShownPath("/tmp/\xFF/a\x1b.tr2"), "/tmp/\xEF\xBF\xBD/a?.tr2");
    EXPECT_LE(ShownPath(std::string(100'000, 'p')).size(), kMaxShownPathBytes + 3);
}

}  // namespace
}  // namespace tarn
