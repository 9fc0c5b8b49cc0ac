// Picture files: BMP, JPEG and PNG in; BMP, PNG and JPEG out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "support/Surface.h"

namespace tarn {

enum class [[nodiscard]] PictureStatus{Ok, NotFound, Unreadable, TooLarge, WriteFailed};

const char* Describe(PictureStatus status);

// Larger files and pictures are refused as too large, before any pixel is decoded: a header
// alone can claim any size. The largest picture the programs read is the chip sheet
// bmp/std.bmp, 3200 x 960 pixels; four times that is allowed (as 4096 x 3072 would be),
// and the file may hold it at 32 bits per pixel with room to spare.
inline constexpr std::uint64_t kMaxPicturePixels = std::uint64_t{4096} * 3072;
inline constexpr std::size_t kMaxPictureFileBytes = std::size_t{64} << 20;

PictureStatus LoadPicture(const std::filesystem::path& path, Surface& picture);
// Decodes a picture held in memory (any format LoadPicture reads).
PictureStatus DecodePicture(const void* data, std::size_t size, Surface& picture);
// The savers replace the file as a whole. 24-bit BMP.
PictureStatus SaveBmp(const std::filesystem::path& path, const Surface& picture);
PictureStatus SavePng(const std::filesystem::path& path, const Surface& picture);
PictureStatus SaveJpeg(const std::filesystem::path& path, const Surface& picture, int quality = 90);

}  // namespace tarn
