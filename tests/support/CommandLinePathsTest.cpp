// Paths taken back from the command line as the system's bytes.
#include "support/CommandLinePaths.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

// What a toolkit makes of bytes that are no UTF-8.
const std::string kReplaced = "\xEF\xBF\xBD";

TEST(RawArguments, OptionValuesAndPlainArgumentsKeepTheirBytes) {
    const char* argv[] = {"prog", "--export-bmp", "st\xff.tr2", "out\xfe.bmp", "--root=d\xe9"};
    const RawArguments raw(5, argv,
                           {"prog", "--export-bmp", "st" + kReplaced + ".tr2",
                            "out" + kReplaced + ".bmp", "--root=d" + kReplaced});
    EXPECT_EQ(raw.PathOf("st" + kReplaced + ".tr2", "--export-bmp").string(), "st\xff.tr2");
    EXPECT_EQ(raw.PathOf("out" + kReplaced + ".bmp").string(), "out\xfe.bmp");
    EXPECT_EQ(raw.PathOf("d" + kReplaced, "--root").string(), "d\xe9");
}

TEST(RawArguments, ValueThatNoArgumentGaveIsTakenAsItIs) {
    const char* argv[] = {"prog", "a"};
    const RawArguments raw(2, argv, {"prog", "a"});
    EXPECT_EQ(raw.PathOf("b").string(), "b");
    EXPECT_EQ(raw.PathOf("a", "--root").string(), "a");  // "a" is no value of --root
}

}  // namespace
}  // namespace tarn
