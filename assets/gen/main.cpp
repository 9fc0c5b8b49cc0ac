// tarn_assetgen: builds the program folder's pictures, sounds and settings files from the
// sources in assets/, draws the contact sheet and the desktop's icons.
//
//   tarn_assetgen --sprites <assets/sprites> [--program <folder>] [--contact-sheet <png>]
//                 [--icons <icon theme folder>]
#include <cstdio>
#include <exception>
#include <string>

#include "assets/gen/ArtCatalog.h"
#include "assets/gen/ContactSheet.h"
#include "assets/gen/DesktopIcons.h"
#include "assets/gen/ProgramFolder.h"
#include "support/PictureFile.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: tarn_assetgen --sprites <sprite folder> [--program <program folder>]"
                 " [--contact-sheet <file.png>] [--icons <icon theme folder>]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tarn::assetgen;
    std::string spriteDir, programDir, sheetFile, iconDir;
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
        } else if (option == "--icons") {
            iconDir = argv[++i];
        } else {
            return Usage();
        }
    }
    if (spriteDir.empty() || (programDir.empty() && sheetFile.empty() && iconDir.empty())) {
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
        const tarn::Surface sheet = DrawContactSheet(font, sections);
        const tarn::PictureStatus status = tarn::SavePng(sheetFile, sheet);
        if (status != tarn::PictureStatus::Ok) {
            std::fprintf(stderr, "tarn_assetgen: %s: %s\n", sheetFile.c_str(),
                         tarn::Describe(status));
            return 1;
        }
    }
    if (!iconDir.empty() && !WriteDesktopIcons(book, iconDir, error)) {
        std::fprintf(stderr, "tarn_assetgen: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
