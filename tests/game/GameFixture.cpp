// The scratch program folder and the headless run helpers.
#include "GameFixture.h"

#include <cmath>
#include <fstream>

#include "settings/SettingsFile.h"
#include "support/BinAngsDL.h"
#include "support/PictureFile.h"
#include "support/WaveFile.h"

namespace tarn::game::testing {

namespace {

// A short 8-bit tone for each sound of the folder.
void WriteTone(const std::filesystem::path& file, int rate, int count) {
    std::vector<double> samples(std::size_t(count), 0.0);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = 0.47 * std::sin(double(i) / 4.0);
    }
    const std::vector<std::uint8_t> bytes = EncodeWave(samples, rate, 8);
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

}  // namespace

StageFields FloorStage(double time) {
    StageFields f;
    f.background = "tile.bmp";
    f.stageName = "Floor";
    f.startColumnIndex = 2;
    f.startRowIndex = 55;
    f.timeText = PlainNumberText(time);
    for (int row = 56; row < 60; ++row) {
        f.map[std::size_t(row)].fill(2);
    }
    f.nextStage = "NONE";
    f.nextStage2 = "NONE";
    return f;
}

ProgramFolder::ProgramFolder() {
    const auto& r = root();
    for (const char* dir : {"me", "bmp", "sound", "data"}) {
        std::filesystem::create_directories(r / dir);
    }
    WriteSettings(60, 16);
    WriteSettings(60, 16, true);
    for (int i = 0; i < 8; ++i) {
        Surface figure(16, 16, Rgb(10 * i, 200, 40));
        (void)SaveBmp(r / "me" / ("---" + std::to_string(i) + ".bmp"), figure);
    }
    (void)SaveBmp(r / "me" / "---a.bmp", Surface(16, 16, Rgb(250, 250, 0)));
    (void)SaveBmp(r / "bmp" / "std.bmp", Surface(320, 240));
    Surface tile(32, 32, Rgb(40, 90, 200));
    tile.FillRect(0, 0, 16, 16, Rgb(200, 120, 40));
    (void)SaveBmp(r / "bmp" / "tile.bmp", tile);
    Surface title(640, 480, Rgb(30, 60, 90));
    title.FillRect(100, 100, 200, 100, Rgb(220, 200, 10));
    (void)SaveJpeg(r / "bg.jpg", title);
    for (int i = 0; i < kSoundCount; ++i) {
        WriteTone(r / "sound" / (std::string(SoundFileName(SoundId(i))) + ".wav"), 22050, 64);
    }
}

void ProgramFolder::AddStageFolder(const std::string& folder) {
    std::filesystem::create_directories(root() / "data" / folder);
}

void ProgramFolder::AddStage(const std::string& folder, const std::string& name,
                             const StageFields& fields) {
    AddStageText(folder, name, WriteStageText(fields));
}

void ProgramFolder::AddStageText(const std::string& folder, const std::string& name,
                                 const std::string& text) {
    AddStageFolder(folder);
    const std::vector<std::uint8_t> plain(text.begin(), text.end());
    (void)WriteEncipheredFile(root() / "data" / folder / (name + ".tr2"), plain);
}

void ProgramFolder::WriteSettings(int fps, int depth, bool lowSpec) {
    ToolSettings settings;
    for (auto& config : settings.KeyTable) {
        config = {39, 37, 90, 38, 71, 80};  // right, left, Z, up, G, P
    }
    settings.frameRateIndex = fps / 10 - 1;
    settings.colorIndex = depth == 8 ? 0 : 1;
    (void)WriteSettingsFile(
        root() / SettingsFileName(lowSpec ? SettingsBuild::LowSpec : SettingsBuild::Normal),
        settings);
}

void ProgramFolder::Remove(const std::filesystem::path& relative) {
    std::filesystem::remove_all(root() / relative);
}

std::string AllTexts(const std::vector<UserMessage>& messages) {
    std::string all;
    for (const auto& m : messages) {
        all += m.text + "\n";
    }
    return all;
}

RunResult RunHeadless(const ProgramFolder& folder, Options options, HeadlessPlatform* platform,
                      const std::function<void(Game&)>& prepare,
                      const std::function<void(Game&)>& finish, bool lowSpec, InputSource* input,
                      const ProgramPaths* paths) {
    options.root = folder.root();
    const ProgramPaths portable = PortablePaths(folder.root());
    options.headless = true;
    HeadlessPlatform headless;
    HeadlessPlatform& used = platform != nullptr ? *platform : headless;
    PlatformInput nobody(used, PlatformInput::Person::Nobody);
    const std::size_t shownBefore = used.messages.size();
    std::ostringstream out;
    RunResult result;
    result.status =
        RunGame(options, paths != nullptr ? *paths : portable, used,
                input != nullptr ? *input : nobody, ProgramInfo{lowSpec}, out, prepare, finish);
    result.dump = out.str();
    result.messages.assign(used.messages.begin() + std::ptrdiff_t(shownBefore),
                           used.messages.end());
    return result;
}

std::filesystem::path WriteReplay(const ProgramFolder& folder, const std::string& text) {
    static int counter = 0;
    auto path = folder.root() / ("replay" + std::to_string(++counter) + ".txt");
    std::ofstream(path) << text;
    return path;
}

}  // namespace tarn::game::testing
