// Picture files through stb: BMP, JPEG and PNG in; BMP, PNG and JPEG out.
#include "support/PictureFile.h"

#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/FileBytes.h"
#include "support/JpegTables.h"
#include "support/PngChunks.h"

namespace tarn {

const char* Describe(PictureStatus status) {
    switch (status) {
        case PictureStatus::Ok:
            return "ok";
        case PictureStatus::NotFound:
            return "file not found";
        case PictureStatus::Unreadable:
            return "not a readable picture";
        case PictureStatus::TooLarge:
            return "picture too large: more than 4096 x 3072 pixels or 64 MB";
        case PictureStatus::WriteFailed:
            return "could not be written";
    }
    return "unknown";
}

PictureStatus DecodePicture(const void* data, std::size_t size, Surface& picture) {
    if (size > kMaxPictureFileBytes) {
        return PictureStatus::TooLarge;
    }
    if (size == 0) {
        return PictureStatus::Unreadable;
    }
    int width = 0;
    int height = 0;
    int channels = 0;
    const auto* bytes = static_cast<const stbi_uc*>(data);
    // A JPEG file starts with its first marker (the decoder skips any number of FF bytes
    // before it); none of the formats the programs use starts with FF.
    if (bytes[0] == 0xFF && !JpegHuffmanTablesFit({bytes, size})) {
        return PictureStatus::Unreadable;
    }
    if (!PngChunksFit({bytes, size})) {
        return PictureStatus::Unreadable;
    }
    // A header can claim any size, and some formats decode a short file as if the
    // missing pixels were black: look at the size before memory is set aside for it.
    if (stbi_info_from_memory(bytes, int(size), &width, &height, &channels) == 0 || width <= 0 ||
        height <= 0) {
        return PictureStatus::Unreadable;
    }
    if (std::uint64_t(width) * std::uint64_t(height) > kMaxPicturePixels) {
        return PictureStatus::TooLarge;
    }
    stbi_uc* pixels = stbi_load_from_memory(bytes, int(size), &width, &height, &channels, 3);
    if (pixels == nullptr || width <= 0 || height <= 0) {
        if (pixels != nullptr) {
            stbi_image_free(pixels);
        }
        return PictureStatus::Unreadable;
    }
    picture.Reset(width, height);
    const stbi_uc* in = pixels;
    for (std::uint32_t& out : picture.Pixels()) {
        out = Rgb(in[0], in[1], in[2]);
        in += 3;
    }
    stbi_image_free(pixels);
    return PictureStatus::Ok;
}

PictureStatus LoadPicture(const std::filesystem::path& path, Surface& picture) {
    std::vector<std::uint8_t> bytes;
    switch (ReadFileBytes(path, bytes, kMaxPictureFileBytes)) {
        case FileStatus::Ok:
            return DecodePicture(bytes.data(), bytes.size(), picture);
        case FileStatus::NotFound:
        case FileStatus::NotAFile:
            return PictureStatus::NotFound;
        case FileStatus::TooLarge:
            return PictureStatus::TooLarge;
        case FileStatus::ReadFailed:
        case FileStatus::WriteFailed:
        case FileStatus::WriteProtected:
            break;
    }
    return PictureStatus::Unreadable;
}

namespace {

std::vector<unsigned char> ToRgb(const Surface& picture) {
    std::vector<unsigned char> rgb;
    rgb.reserve(picture.Pixels().size() * 3);
    for (const std::uint32_t p : picture.Pixels()) {
        rgb.push_back(static_cast<unsigned char>(p >> 16));
        rgb.push_back(static_cast<unsigned char>(p >> 8));
        rgb.push_back(static_cast<unsigned char>(p));
    }
    return rgb;
}

void AppendToString(void* context, void* data, int size) {
    static_cast<std::string*>(context)->append(static_cast<const char*>(data), std::size_t(size));
}

PictureStatus WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    return WriteFileAtomically(path, bytes) == FileStatus::Ok ? PictureStatus::Ok
                                                              : PictureStatus::WriteFailed;
}

template <class Encode>
PictureStatus Save(const std::filesystem::path& path, const Surface& picture, Encode encode) {
    if (picture.empty()) {
        return PictureStatus::WriteFailed;
    }
    const std::vector<unsigned char> rgb = ToRgb(picture);
    std::string bytes;
    if (encode(&bytes, rgb.data()) == 0) {
        return PictureStatus::WriteFailed;
    }
    return WriteBytes(path, bytes);
}

}  // namespace

PictureStatus SaveBmp(const std::filesystem::path& path, const Surface& picture) {
    return Save(path, picture, [&](std::string* out, const unsigned char* rgb) {
        return stbi_write_bmp_to_func(AppendToString, out, picture.width(), picture.height(), 3,
                                      rgb);
    });
}

PictureStatus SavePng(const std::filesystem::path& path, const Surface& picture) {
    return Save(path, picture, [&](std::string* out, const unsigned char* rgb) {
        return stbi_write_png_to_func(AppendToString, out, picture.width(), picture.height(), 3,
                                      rgb, picture.width() * 3);
    });
}

PictureStatus SaveJpeg(const std::filesystem::path& path, const Surface& picture, int quality) {
    return Save(path, picture, [&](std::string* out, const unsigned char* rgb) {
        return stbi_write_jpg_to_func(AppendToString, out, picture.width(), picture.height(), 3,
                                      rgb, quality);
    });
}

}  // namespace tarn
