// Writing the shipped settings files.
#include "assets/gen/DefaultSettings.h"

#include <gtest/gtest.h>

namespace tarn::assetgen {
namespace {

TEST(DefaultSettings, WritingIntoAMissingFolderFailsWithAMessage) {
    std::string error;
    EXPECT_FALSE(WriteDefaultSettings("/nonexistent-folder/for/settings", error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace tarn::assetgen
