// The staged program folder: every file the programs open is there, in the right format.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "assets/BuiltinArt.h"
#include "assets/gen/DefaultSettings.h"
#include "settings/SettingsFile.h"
#include "support/PictureFile.h"
#include "support/WaveFile.h"

namespace tarn {
namespace {

namespace fs = std::filesystem;

fs::path ProgramDir() {
    const char* dir = std::getenv("TARN_PROGRAM_DIR");
    return dir == nullptr ? fs::path() : fs::path(dir);
}

std::vector<std::uint8_t> ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    std::vector<std::uint8_t> bytes(in ? std::size_t(in.tellg()) : 0);
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
    return bytes;
}

struct SoundRow {
    const char* name;
    int rate;
    int bits;
};

// The formats the game asks for when it creates each sound buffer.
constexpr SoundRow kSounds[] = {
    {"jump01", 11025, 8}, {"bgn", 44100, 16},     {"bg", 44100, 16},  {"endh", 44100, 16},
    {"break", 22050, 8},  {"end", 22050, 8},      {"ded", 22050, 8},  {"ded1", 22050, 8},
    {"clear", 22050, 8},  {"allclear", 22050, 8}, {"coin", 22050, 8}, {"timep", 22050, 8},
    {"1up", 22050, 8},    {"op", 22050, 8},       {"tded", 22050, 8},
};

double SampleAt(const std::vector<std::uint8_t>& bytes, const WaveFormat& format,
                std::size_t index) {
    const std::size_t at = format.dataOffset + index * std::size_t(format.blockAlign);
    if (format.bits == 8) {
        return (int(bytes[at]) - 128) / 127.0;
    }
    return std::int16_t(bytes[at] | (bytes[at + 1] << 8)) / 32767.0;
}

Surface Load(const fs::path& file) {
    Surface picture;
    EXPECT_EQ(LoadPicture(file, picture), PictureStatus::Ok) << file;
    return picture;
}

class ProgramFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = ProgramDir();
        ASSERT_FALSE(dir_.empty()) << "TARN_PROGRAM_DIR is not set";
    }
    fs::path dir_;
};

TEST_F(ProgramFolder, HoldsEveryRequiredFileAndFolder) {
    std::vector<fs::path> files = {"bg.jpg", "morva2.cfh", "morva2.cf", "me/---a.bmp",
                                   "bmp/std.bmp"};
    for (int frame = 0; frame < 8; ++frame) {
        files.push_back("me/---" + std::to_string(frame) + ".bmp");
    }
    for (const SoundRow& sound : kSounds) {
        files.push_back(fs::path("sound") / (std::string(sound.name) + ".wav"));
    }
    for (const fs::path& file : files) {
        EXPECT_TRUE(fs::is_regular_file(dir_ / file)) << file;
    }
    EXPECT_TRUE(fs::is_directory(dir_ / "temp"));
    EXPECT_TRUE(fs::is_directory(dir_ / "data"));
}

TEST_F(ProgramFolder, EverySoundHasTheFormatOfItsRow) {
    for (const SoundRow& sound : kSounds) {
        const auto bytes = ReadBytes(dir_ / "sound" / (std::string(sound.name) + ".wav"));
        WaveFormat format;
        ASSERT_TRUE(ReadWaveFormat(bytes, format)) << sound.name;
        EXPECT_EQ(format.formatTag, 1) << sound.name;
        EXPECT_EQ(format.channels, 1) << sound.name;
        EXPECT_EQ(format.rate, sound.rate) << sound.name;
        EXPECT_EQ(format.bits, sound.bits) << sound.name;
        EXPECT_EQ(format.blockAlign, sound.bits / 8) << sound.name;
        EXPECT_EQ(format.byteRate, sound.rate * sound.bits / 8) << sound.name;
        EXPECT_GT(format.dataBytes, 0u) << sound.name;
        EXPECT_EQ(format.dataBytes % std::size_t(format.blockAlign), 0u) << sound.name;
    }
}

TEST_F(ProgramFolder, SoundFolderStaysUnderEightMegabytes) {
    std::uintmax_t total = 0;
    for (const auto& entry : fs::directory_iterator(dir_ / "sound")) {
        total += entry.file_size();
    }
    EXPECT_LT(total, 8u * 1024 * 1024);
}

TEST_F(ProgramFolder, StageMusicLastsTwentySecondsAndHurryUpMusicIsShorter) {
    WaveFormat stage, hurry;
    ASSERT_TRUE(ReadWaveFormat(ReadBytes(dir_ / "sound/bgn.wav"), stage));
    ASSERT_TRUE(ReadWaveFormat(ReadBytes(dir_ / "sound/bg.wav"), hurry));
    const double stageSeconds = double(stage.dataBytes) / stage.byteRate;
    const double hurrySeconds = double(hurry.dataBytes) / hurry.byteRate;
    EXPECT_GE(stageSeconds, 20.0);
    EXPECT_LT(hurrySeconds, stageSeconds);
    EXPECT_GE(hurrySeconds, 10.0);
}

TEST_F(ProgramFolder, LoopingSoundsStartAndEndInSilence) {
    for (const char* name : {"bgn", "bg", "timep"}) {
        const auto bytes = ReadBytes(dir_ / "sound" / (std::string(name) + ".wav"));
        WaveFormat format;
        ASSERT_TRUE(ReadWaveFormat(bytes, format)) << name;
        const std::size_t count = format.dataBytes / std::size_t(format.blockAlign);
        ASSERT_GT(count, 100u);
        EXPECT_NEAR(SampleAt(bytes, format, 0), 0.0, 0.01) << name;
        EXPECT_NEAR(SampleAt(bytes, format, count - 1), 0.0, 0.01) << name;
    }
}

TEST_F(ProgramFolder, SoundsAreNotSilent) {
    for (const SoundRow& sound : kSounds) {
        const auto bytes = ReadBytes(dir_ / "sound" / (std::string(sound.name) + ".wav"));
        WaveFormat format;
        ASSERT_TRUE(ReadWaveFormat(bytes, format)) << sound.name;
        double loudest = 0;
        for (std::size_t i = 0; i < format.dataBytes / std::size_t(format.blockAlign); ++i) {
            loudest = std::max(loudest, std::abs(SampleAt(bytes, format, i)));
        }
        EXPECT_GT(loudest, 0.3) << sound.name;
    }
}

TEST_F(ProgramFolder, SoundsAreFreeOfDcAndLeaveHeadroom) {
    for (const SoundRow& sound : kSounds) {
        const auto bytes = ReadBytes(dir_ / "sound" / (std::string(sound.name) + ".wav"));
        WaveFormat format;
        ASSERT_TRUE(ReadWaveFormat(bytes, format)) << sound.name;
        const std::size_t count = format.dataBytes / std::size_t(format.blockAlign);
        double sum = 0;
        double loudest = 0;
        for (std::size_t i = 0; i < count; ++i) {
            const double sample = SampleAt(bytes, format, i);
            sum += sample;
            loudest = std::max(loudest, std::abs(sample));
        }
        EXPECT_LT(std::abs(sum / double(count)), 0.01) << sound.name;
        EXPECT_LE(loudest, 0.9) << sound.name;
    }
}

TEST_F(ProgramFolder, SettingsFilesReadBackAsTheDefaults) {
    ToolSettings normal, lowSpec;
    SettingsWarnings warnings;
    ASSERT_EQ(ReadToolSettings(dir_ / "morva2.cfh", normal, warnings), SettingsStatus::Ok);
    ASSERT_EQ(ReadToolSettings(dir_ / "morva2.cf", lowSpec, warnings), SettingsStatus::Ok);
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(normal.KeyTable, DefaultKeyTable());
    EXPECT_EQ(lowSpec.KeyTable, DefaultKeyTable());
    EXPECT_EQ(normal.frameRateIndex, 5);
    EXPECT_EQ(lowSpec.frameRateIndex, 2);
    EXPECT_EQ(normal.colorIndex, 1);
    EXPECT_EQ(lowSpec.colorIndex, 1);
}

TEST_F(ProgramFolder, GameReadsSixtyAndThirtyFramesAtSixteenBits) {
    GameSettings normal, lowSpec;
    SettingsWarnings warnings;
    ASSERT_EQ(ReadGameSettings(dir_ / "morva2.cfh", normal, warnings), SettingsStatus::Ok);
    ASSERT_EQ(ReadGameSettings(dir_ / "morva2.cf", lowSpec, warnings), SettingsStatus::Ok);
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(normal.TargetFps, 60);
    EXPECT_EQ(lowSpec.TargetFps, 30);
    EXPECT_EQ(normal.ColorDepth, 16);
    EXPECT_EQ(lowSpec.ColorDepth, 16);
    const auto& first = normal.KeyTable[0];
    EXPECT_EQ(first[kSlotRight], 39);
    EXPECT_EQ(first[kSlotLeft], 37);
    EXPECT_EQ(first[kSlotDash], 90);
    EXPECT_EQ(first[kSlotJump], 38);
}

TEST_F(ProgramFolder, PlayerPicturesAreBlackOutsideThePlayerMask) {
    const Surface& mask = art::Builtin().MyMask;
    std::vector<fs::path> files = {"me/---a.bmp"};
    for (int frame = 0; frame < 8; ++frame) {
        files.push_back("me/---" + std::to_string(frame) + ".bmp");
    }
    for (const fs::path& file : files) {
        const Surface picture = Load(dir_ / file);
        ASSERT_EQ(picture.width(), 16) << file;
        ASSERT_EQ(picture.height(), 16) << file;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                if (mask.Pixel(x, y) == kWhite) {
                    ASSERT_EQ(picture.Pixel(x, y), kBlack) << file << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST_F(ProgramFolder, PlayerMaskCoversNoPixelThatEveryPictureLeavesEmpty) {
    const art::BuiltinPictures& art = art::Builtin();
    std::vector<Surface> pictures = {Load(dir_ / "me/---a.bmp"), art.DedMe};
    for (int frame = 0; frame < 8; ++frame) {
        pictures.push_back(Load(dir_ / ("me/---" + std::to_string(frame) + ".bmp")));
    }
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            if (art.MyMask.Pixel(x, y) != kBlack) {
                continue;
            }
            bool drawn = false;
            for (const Surface& picture : pictures) {
                drawn = drawn || picture.Pixel(x, y) != kBlack;
            }
            EXPECT_TRUE(drawn) << "mask pixel " << x << "," << y;
        }
    }
}

TEST_F(ProgramFolder, WalkingPicturesChangeFromFrameToFrame) {
    for (int frame = 0; frame < 8; ++frame) {
        const Surface a = Load(dir_ / ("me/---" + std::to_string(frame) + ".bmp"));
        const Surface b = Load(dir_ / ("me/---" + std::to_string((frame + 1) % 8) + ".bmp"));
        EXPECT_NE(a, b) << "frames " << frame << " and " << (frame + 1) % 8;
    }
}

TEST_F(ProgramFolder, BackgroundPicturesHaveTheirSizes) {
    const Surface standard = Load(dir_ / "bmp/std.bmp");
    EXPECT_EQ(standard.width(), 3200);
    EXPECT_EQ(standard.height(), 960);
    const Surface title = Load(dir_ / "bg.jpg");
    EXPECT_EQ(title.width(), 640);
    EXPECT_EQ(title.height(), 480);
    int tiles = 0;
    for (const auto& entry : fs::directory_iterator(dir_ / "bmp")) {
        if (entry.path().filename() == "std.bmp") {
            continue;
        }
        const Surface tile = Load(entry.path());
        EXPECT_GT(tile.width(), 16) << entry.path();
        EXPECT_GT(tile.height(), 16) << entry.path();
        ++tiles;
    }
    EXPECT_GE(tiles, 4);
}

}  // namespace
}  // namespace tarn
