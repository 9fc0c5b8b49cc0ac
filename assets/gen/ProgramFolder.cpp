// Writes every generated file of the program folder.
#include "assets/gen/ProgramFolder.h"

#include "assets/gen/ScenePreview.h"

#include "assets/gen/ArtCatalog.h"
#include "assets/gen/Backgrounds.h"
#include "assets/gen/DefaultSettings.h"
#include "assets/gen/Sounds.h"
#include "assets/gen/TitlePicture.h"
#include "support/PictureFile.h"
#include "support/WaveFile.h"

namespace tarn::assetgen {
namespace {

namespace fs = std::filesystem;

bool Saved(PictureStatus status, const fs::path& file, std::string& error) {
    if (status == PictureStatus::Ok) {
        return true;
    }
    error = file.string() + ": " + Describe(status);
    return false;
}

bool MakeFolder(const fs::path& folder, std::string& error) {
    std::error_code failure;
    fs::create_directories(folder, failure);
    if (failure) {
        error = folder.string() + ": " + failure.message();
        return false;
    }
    return true;
}

bool WritePlayer(const SpriteBook& book, const fs::path& folder, std::string& error) {
    for (int frame = 0; frame < kWalkFrames; ++frame) {
        const fs::path file = folder / ("---" + std::to_string(frame) + ".bmp");
        if (!Saved(SaveBmp(file, PictureOf(*book.Find(WalkName(frame)))), file, error)) {
            return false;
        }
    }
    const fs::path power = folder / "---a.bmp";
    return Saved(SaveBmp(power, PictureOf(*book.Find(kPowerName))), power, error);
}

bool WriteBackgrounds(const SpriteBook& book, const fs::path& folder, std::string& error) {
    const fs::path standard = folder / "std.bmp";
    if (!Saved(SaveBmp(standard, StandardBackground()), standard, error)) {
        return false;
    }
    for (const BackgroundTile& tile : BackgroundTiles(book)) {
        const fs::path file = folder / tile.file;
        if (!Saved(SaveBmp(file, tile.picture), file, error)) {
            return false;
        }
    }
    return true;
}

bool WriteSounds(const fs::path& folder, std::string& error) {
    for (const SoundDefinition& sound : SoundTable()) {
        const Mix mix = sound.make(sound.rate);
        if (!WriteWave(folder / (sound.name + ".wav"), mix.samples(), sound.rate, sound.bits,
                       error)) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool WriteProgramFolder(const SpriteBook& book, const fs::path& folder, std::string& error) {
    for (const char* sub : {"me", "bmp", "sound", "temp", "data"}) {
        if (!MakeFolder(folder / sub, error)) {
            return false;
        }
    }
    const PixelFont font(book);
    const fs::path title = folder / "bg.jpg";
    return WritePlayer(book, folder / "me", error) &&
           WriteBackgrounds(book, folder / "bmp", error) &&
           Saved(SaveJpeg(title, TitlePicture(book, font), 92), title, error) &&
           WriteSounds(folder / "sound", error) && WriteDefaultSettings(folder, error);
}

SheetSection PictureSection(const SpriteBook& book) {
    SheetSection section;
    section.heading = "PICTURES OF THE PROGRAM FOLDER";
    std::vector<BackgroundTile> tiles = BackgroundTiles(book);
    for (const BackgroundTile& tile : tiles) {
        section.entries.push_back({"BMP/" + tile.file, tile.label, tile.picture, {}});
    }
    for (const BackgroundTile& tile : tiles) {
        section.entries.push_back(
            {"PREVIEW", "a stage over " + tile.file, ScenePreview(book, tile.picture), {}});
    }
    const PixelFont font(book);
    section.entries.push_back({"BG.JPG", "title picture", TitlePicture(book, font), {}});
    return section;
}

}  // namespace tarn::assetgen
