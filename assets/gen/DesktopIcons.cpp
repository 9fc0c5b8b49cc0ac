// Program and stage file icons in the hicolor theme's layout.
#include "assets/gen/DesktopIcons.h"

#include <stb/stb_image_write.h>

#include <cstdint>
#include <system_error>

namespace tarn::assetgen {
namespace {

namespace fs = std::filesystem;

// RGBA rows of the sprite, each pixel repeated as a scale x scale block.
std::vector<unsigned char> Enlarged(const Sprite& sprite, int scale) {
    const int width = sprite.width * scale;
    const int height = sprite.height * scale;
    std::vector<unsigned char> rgba(std::size_t(width) * std::size_t(height) * 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int sx = x / scale;
            const int sy = y / scale;
            const std::uint32_t colour = sprite.Colour(sx, sy);
            unsigned char* pixel =
                &rgba[(std::size_t(y) * std::size_t(width) + std::size_t(x)) * 4];
            pixel[0] = static_cast<unsigned char>(colour >> 16);
            pixel[1] = static_cast<unsigned char>(colour >> 8);
            pixel[2] = static_cast<unsigned char>(colour);
            pixel[3] = sprite.IsOpaque(sx, sy) ? 255 : 0;
        }
    }
    return rgba;
}

bool WriteIcon(const Sprite& sprite, int size, const fs::path& file, std::string& error) {
    if (sprite.width != sprite.height || sprite.width <= 0 || size % sprite.width != 0) {
        error = "the sprite " + sprite.name + " cannot be enlarged by a whole number to " +
                std::to_string(size) + " pixels";
        return false;
    }
    std::error_code failure;
    fs::create_directories(file.parent_path(), failure);
    const std::vector<unsigned char> rgba = Enlarged(sprite, size / sprite.width);
    if (failure || stbi_write_png(file.c_str(), size, size, 4, rgba.data(), size * 4) == 0) {
        error = "cannot write " + file.string();
        return false;
    }
    return true;
}

}  // namespace

const std::vector<int>& DesktopIconSizes() {
    static const std::vector<int> sizes{16, 32, 48, 64, 128, 256};
    return sizes;
}

const std::vector<DesktopIcon>& DesktopIcons() {
    static const std::vector<DesktopIcon> icons{
        {"tarn2", "apps", "player.0"},
        {"tarn2-low", "apps", "player.power"},
        {"gridsmith", "apps", "chip.21"},
        {"optara", "apps", "icon.life"},
        {"application-x-tarn2-stage", "mimetypes", "chip.1"},
    };
    return icons;
}

bool WriteDesktopIcons(const SpriteBook& book, const fs::path& themeFolder, std::string& error) {
    for (const DesktopIcon& icon : DesktopIcons()) {
        const Sprite* sprite = book.Find(icon.sprite);
        if (sprite == nullptr) {
            error = "no sprite " + icon.sprite + " for the icon " + icon.name;
            return false;
        }
        for (const int size : DesktopIconSizes()) {
            const std::string sizeFolder = std::to_string(size) + "x" + std::to_string(size);
            if (!WriteIcon(*sprite, size,
                           themeFolder / sizeFolder / icon.context / (icon.name + ".png"), error)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace tarn::assetgen
