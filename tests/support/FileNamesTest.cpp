// The plain file name rule shared by everything that joins a file's text onto a folder.
#include "support/FileNames.h"

#include <gtest/gtest.h>

#include <string>

namespace tarn {
namespace {

TEST(PlainFileName, NamesOfFilesInTheFolderPass) {
    for (const std::string name :
         {"1-1.tr2", "sky.bmp", "NONE.tr2", "...tr2", "a b", "\xE3\x81\x82.tr2", "..x"}) {
        EXPECT_TRUE(IsPlainFileName(name)) << name;
    }
    EXPECT_TRUE(IsPlainFileName(std::string(kMaxFileNameBytes, 'n')));
}

TEST(PlainFileName, NamesThatReachElsewhereAreRefused) {
    for (const std::string name :
         {"", ".", "..", "../x", "/etc/passwd", "a/b", "..\\x", "a\\b", "x/"}) {
        EXPECT_FALSE(IsPlainFileName(name)) << name;
    }
}

TEST(PlainFileName, NulControlCharactersAndOverlongNamesAreRefused) {
    EXPECT_FALSE(IsPlainFileName(std::string("x\0.tr2", 6)));
    EXPECT_FALSE(IsPlainFileName("x\x1b[2J"));
    EXPECT_FALSE(IsPlainFileName("tab\tname"));
    EXPECT_FALSE(IsPlainFileName("del\x7f"));
    EXPECT_FALSE(IsPlainFileName(std::string(kMaxFileNameBytes + 1, 'n')));
}

}  // namespace
}  // namespace tarn
