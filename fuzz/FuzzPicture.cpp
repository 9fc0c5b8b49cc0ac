// Fuzz target: the picture decoder (BMP, JPEG, PNG) that loads backgrounds, the title
// picture and the player pictures.
//
// Invariants: a decoded picture has a size within the pixel bound; a failed decode leaves
// no picture behind.
#include <cstdint>
#include <cstdlib>

#include "support/PictureFile.h"
#include "support/Surface.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tarn::Surface picture;
    const tarn::PictureStatus status = tarn::DecodePicture(data, size, picture);
    if (status == tarn::PictureStatus::Ok) {
        const auto pixels = std::uint64_t(picture.width()) * std::uint64_t(picture.height());
        if (picture.width() <= 0 || picture.height() <= 0 || pixels > tarn::kMaxPicturePixels) {
            std::abort();
        }
    }
    return 0;
}
