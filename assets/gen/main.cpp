// tarn_assetgen: builds the program folder's pictures, sounds and settings files from the
// sources in assets/, draws the contact sheet, the gallery pictures of stages and the
// desktop's icons.
//
//   tarn_assetgen --sprites <assets/sprites> [--program <folder>] [--contact-sheet <png>]
//                 [--stage-picture <stage text> <png> [--reduce N]]
//                 [--icons <icon theme folder>]
#include <cstdio>
#include <exception>
#include <fstream>
#include <sstream>
#include <string>

#include "assets/gen/ArtCatalog.h"
#include "assets/gen/Backgrounds.h"
#include "assets/gen/ContactSheet.h"
#include "assets/gen/DesktopIcons.h"
#include "assets/gen/ProgramFolder.h"
#include "assets/gen/ScenePreview.h"
#include "support/PictureFile.h"
#include "support/StageText.h"

namespace {

using namespace tarn::assetgen;

int Usage() {
    std::fprintf(stderr,
                 "usage: tarn_assetgen --sprites <sprite folder> [--program <program folder>]"
                 " [--contact-sheet <file.png>] [--stage-picture <stage text> <file.png>"
                 " [--reduce N]] [--icons <icon theme folder>]\n");
    return 2;
}

bool Save(const std::string& file, const tarn::Surface& picture) {
    const tarn::PictureStatus status = tarn::SavePng(file, picture);
    if (status != tarn::PictureStatus::Ok) {
        std::fprintf(stderr, "tarn_assetgen: %s: %s\n", file.c_str(), tarn::Describe(status));
        return false;
    }
    return true;
}

// The map picture of a plain stage text over the background tile it names.
bool DrawStage(const SpriteBook& book, const std::string& stageFile, const std::string& out,
               int reduce) {
    std::ifstream in(stageFile, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const tarn::GameStageText stage = tarn::ReadGameStage(text.str());
    if (!in || stage.lineCount < 96) {
        std::fprintf(stderr, "tarn_assetgen: %s is no stage text of 96 lines\n", stageFile.c_str());
        return false;
    }
    for (const BackgroundTile& tile : BackgroundTiles(book)) {
        if (tile.file == stage.BackgroundName) {
            const tarn::Surface map =
                StagePicture(book, tile.picture, stage.rows, stage.PlayerX, stage.PlayerY);
            return Save(out, Reduce(map, reduce));
        }
    }
    std::fprintf(stderr, "tarn_assetgen: %s: no background tile %s\n", stageFile.c_str(),
                 stage.BackgroundName.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    std::string spriteDir, programDir, sheetFile, stageFile, stageOut, iconDir;
    int reduce = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) {
            return Usage();
        }
        if (option == "--sprites") {
            spriteDir = argv[++i];
        } else if (option == "--program") {
            programDir = argv[++i];
        } else if (option == "--contact-sheet") {
            sheetFile = argv[++i];
        } else if (option == "--stage-picture" && i + 2 < argc) {
            stageFile = argv[++i];
            stageOut = argv[++i];
        } else if (option == "--reduce") {
            reduce = std::atoi(argv[++i]);
        } else if (option == "--icons") {
            iconDir = argv[++i];
        } else {
            return Usage();
        }
    }
    if (spriteDir.empty() ||
        (programDir.empty() && sheetFile.empty() && stageFile.empty() && iconDir.empty()) ||
        reduce < 1 || reduce > 16) {
        return Usage();
    }
    SpriteBook book;
    std::string error;
    if (!LoadSprites(spriteDir, book, error) || !CheckCatalog(book, error)) {
        std::fprintf(stderr, "tarn_assetgen: %s\n", error.c_str());
        return 1;
    }
    try {
        if (!programDir.empty() && !WriteProgramFolder(book, programDir, error)) {
            std::fprintf(stderr, "tarn_assetgen: %s\n", error.c_str());
            return 1;
        }
    } catch (const std::exception& fault) {
        std::fprintf(stderr, "tarn_assetgen: %s\n", fault.what());
        return 1;
    }
    if (!sheetFile.empty()) {
        const PixelFont font(book);
        std::vector<SheetSection> sections = SpriteSections(book);
        sections.push_back(PictureSection(book));
        if (!Save(sheetFile, DrawContactSheet(font, sections))) {
            return 1;
        }
    }
    if (!stageFile.empty() && !DrawStage(book, stageFile, stageOut, reduce)) {
        return 1;
    }
    if (!iconDir.empty() && !WriteDesktopIcons(book, iconDir, error)) {
        std::fprintf(stderr, "tarn_assetgen: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
