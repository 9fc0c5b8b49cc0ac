// Picture files through stb: BMP, JPEG and PNG in; BMP, PNG and JPEG out.
#include "support/PictureFile.h"

#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

namespace tarn {

const char* Describe(PictureStatus status) {
    switch (status) {
        case PictureStatus::Ok:
            return "ok";
        case PictureStatus::NotFound:
            return "file not found";
        case PictureStatus::Unreadable:
            return "not a readable picture";
        case PictureStatus::WriteFailed:
            return "could not be written";
    }
    return "unknown";
}

PictureStatus DecodePicture(const void* data, std::size_t size, Surface& picture) {
    if (size == 0 || size > std::size_t(0x7FFFFFFF)) {
        return PictureStatus::Unreadable;
    }
    int width = 0;
    int height = 0;
    int channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(static_cast<const stbi_uc*>(data), int(size), &width,
                                            &height, &channels, 3);
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
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return PictureStatus::NotFound;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return PictureStatus::Unreadable;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
    if (file.bad()) {
        return PictureStatus::Unreadable;
    }
    return DecodePicture(bytes.data(), bytes.size(), picture);
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
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) {
        return PictureStatus::WriteFailed;
    }
    file.write(bytes.data(), std::streamsize(bytes.size()));
    file.close();
    return file ? PictureStatus::Ok : PictureStatus::WriteFailed;
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
