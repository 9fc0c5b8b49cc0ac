// Picture files written and read back.
#include "support/PictureFile.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/common/TestFiles.h"

namespace tarn {
namespace {

class PictureFiles : public ::testing::Test {
  protected:
    testing::ScratchDir scratch_;
    const std::filesystem::path& dir_ = scratch_.path();
};

TEST_F(PictureFiles, BmpRoundTripKeepsEveryPixel) {
    Surface picture(5, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            picture.SetPixel(x, y, Rgb(x * 50, y * 80, 255 - x));
        }
    }
    ASSERT_EQ(SaveBmp(dir_ / "p.bmp", picture), PictureStatus::Ok);
    Surface loaded;
    ASSERT_EQ(LoadPicture(dir_ / "p.bmp", loaded), PictureStatus::Ok);
    EXPECT_EQ(loaded, picture);
}

TEST_F(PictureFiles, BmpIsTwentyFourBitsPerPixel) {
    ASSERT_EQ(SaveBmp(dir_ / "p.bmp", Surface(2, 2, kWhite)), PictureStatus::Ok);
    std::ifstream file(dir_ / "p.bmp", std::ios::binary);
    char header[30] = {};
    file.read(header, sizeof header);
    EXPECT_EQ(header[0], 'B');
    EXPECT_EQ(header[1], 'M');
    EXPECT_EQ(header[28], 24);
}

TEST_F(PictureFiles, JpegLoadsWithNearlyTheSameColours) {
    const Surface picture(16, 16, Rgb(200, 40, 40));
    ASSERT_EQ(SaveJpeg(dir_ / "p.jpg", picture, 95), PictureStatus::Ok);
    Surface loaded;
    ASSERT_EQ(LoadPicture(dir_ / "p.jpg", loaded), PictureStatus::Ok);
    ASSERT_EQ(loaded.width(), 16);
    const std::uint32_t p = loaded.Pixel(8, 8);
    EXPECT_NEAR(int(p >> 16 & 0xFF), 200, 6);
    EXPECT_NEAR(int(p >> 8 & 0xFF), 40, 6);
}

TEST_F(PictureFiles, MissingFileIsNotFound) {
    Surface loaded;
    EXPECT_EQ(LoadPicture(dir_ / "none.bmp", loaded), PictureStatus::NotFound);
}

TEST_F(PictureFiles, DamagedFileIsUnreadable) {
    std::ofstream(dir_ / "bad.bmp") << "BM this is not a picture";
    Surface loaded;
    EXPECT_EQ(LoadPicture(dir_ / "bad.bmp", loaded), PictureStatus::Unreadable);
    EXPECT_EQ(LoadPicture(dir_, loaded), PictureStatus::NotFound);  // a folder is no picture
}

// A 54-byte BMP whose header claims a size and holds none of the pixels.
std::string BmpHeaderOnly(std::int32_t width, std::int32_t height) {
    std::string bmp = "BM";
    const auto put32 = [&bmp](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            bmp.push_back(static_cast<char>(v >> (8 * i)));
        }
    };
    put32(54);  // file size
    put32(0);
    put32(54);  // pixel data offset
    put32(40);  // info header size
    put32(static_cast<std::uint32_t>(width));
    put32(static_cast<std::uint32_t>(height));
    bmp += std::string("\x01\x00\x18\x00", 4);  // one plane, 24 bits
    for (int i = 0; i < 6; ++i) {
        put32(0);
    }
    return bmp;
}

// Refused from the header alone, before memory is set aside for the pixels: 5000 x 5000
// is about eight times the chip sheet, the largest picture the programs read.
TEST_F(PictureFiles, HeaderClaimingAPictureFarLargerThanAnyInUseIsTooLarge) {
    for (const auto& [width, height] : {std::pair{5000, 5000}, std::pair{20000, 20000}}) {
        const std::string bmp = BmpHeaderOnly(width, height);
        ASSERT_EQ(bmp.size(), 54u);
        Surface loaded;
        EXPECT_EQ(DecodePicture(bmp.data(), bmp.size(), loaded), PictureStatus::TooLarge);
        EXPECT_TRUE(loaded.empty());
    }
    EXPECT_NE(std::string(Describe(PictureStatus::TooLarge)).find("too large"), std::string::npos);
}

TEST_F(PictureFiles, UnwritablePathReportsFailure) {
    EXPECT_EQ(SaveBmp(dir_ / "no" / "such" / "p.bmp", Surface(1, 1)), PictureStatus::WriteFailed);
}

}  // namespace
}  // namespace tarn
