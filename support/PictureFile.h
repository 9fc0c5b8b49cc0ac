// Picture files: BMP, JPEG and PNG in, BMP and PNG out.
#pragma once

#include <filesystem>

#include "support/Surface.h"

namespace tarn {

enum class [[nodiscard]] PictureStatus{Ok, NotFound, Unreadable, WriteFailed};

const char* Describe(PictureStatus status);

PictureStatus LoadPicture(const std::filesystem::path& path, Surface& picture);
// Decodes a picture held in memory (any format LoadPicture reads).
PictureStatus DecodePicture(const void* data, std::size_t size, Surface& picture);
// 24-bit BMP.
PictureStatus SaveBmp(const std::filesystem::path& path, const Surface& picture);
PictureStatus SavePng(const std::filesystem::path& path, const Surface& picture);
PictureStatus SaveJpeg(const std::filesystem::path& path, const Surface& picture, int quality = 90);

}  // namespace tarn
