// tarn_artembed <sprite folder> <output .cpp>: compiles the built-in pictures into source.
#include <cstdio>
#include <fstream>

#include "assets/gen/ArtCatalog.h"
#include "assets/gen/EmbedArt.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tarn_artembed <sprite folder> <output .cpp>\n");
        return 2;
    }
    tarn::assetgen::SpriteBook book;
    std::string error;
    if (!tarn::assetgen::LoadSprites(argv[1], book, error) ||
        !tarn::assetgen::CheckCatalog(book, error)) {
        std::fprintf(stderr, "tarn_artembed: %s\n", error.c_str());
        return 1;
    }
    const std::string source = tarn::assetgen::EmbeddedArtSource(book);
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << source;
    out.close();
    if (!out) {
        std::fprintf(stderr, "tarn_artembed: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
