// Decodes the generated pixel data into the pictures the programs hold.
#include "assets/BuiltinArt.h"

#include "assets/BuiltinArtData.h"

namespace tarn::art {
namespace {

using data::EmbeddedPicture;
using data::kSide;
using data::kTransparent;

Surface PictureOf(const EmbeddedPicture& source) {
    Surface picture(kSide, kSide, kBlack);
    for (int i = 0; i < kSide * kSide; ++i) {
        if (source.pixels[i] != kTransparent) {
            picture.SetPixel(i % kSide, i / kSide, source.pixels[i]);
        }
    }
    return picture;
}

Surface MaskOf(const EmbeddedPicture& source) {
    Surface mask(kSide, kSide, kWhite);
    for (int i = 0; i < kSide * kSide; ++i) {
        if (source.pixels[i] != kTransparent) {
            mask.SetPixel(i % kSide, i / kSide, kBlack);
        }
    }
    return mask;
}

BuiltinPictures Decode() {
    BuiltinPictures pictures;
    for (std::size_t code = 0; code < pictures.BrTip.size(); ++code) {
        pictures.BrTip[code] = PictureOf(data::kChips[code]);
        pictures.BrMask[code] = MaskOf(data::kChips[code]);
    }
    for (std::size_t kind = 0; kind < pictures.TPic.size(); ++kind) {
        pictures.TPic[kind] = PictureOf(data::kObjects[kind]);
        pictures.TMask[kind] = MaskOf(data::kObjects[kind]);
    }
    pictures.MyMask = MaskOf(data::kPlayerMask[0]);
    pictures.DedMe = PictureOf(data::kDead[0]);
    pictures.WhiteP = Surface(kSide, kSide, kWhite);
    pictures.LifeIcon = PictureOf(data::kLifeIcon[0]);
    pictures.CoinIcon = PictureOf(data::kCoinIcon[0]);
    return pictures;
}

}  // namespace

const BuiltinPictures& Builtin() {
    static const BuiltinPictures pictures = Decode();
    return pictures;
}

}  // namespace tarn::art
