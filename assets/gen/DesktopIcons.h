// The icons the desktop shows for the programs and for stage files: sprites of the game
// enlarged by whole numbers to each size of the hicolor icon theme, written as PNG with
// their transparent pixels kept transparent.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "assets/gen/SpriteBook.h"

namespace tarn::assetgen {

struct DesktopIcon {
    std::string name;     // the icon name, e.g. "tarn2"
    std::string context;  // the theme's sub-folder: "apps" or "mimetypes"
    std::string sprite;   // the 16 x 16 sprite it is drawn from
};

// The sizes the icons come in; each is a whole multiple of the sprites' 16 pixels.
const std::vector<int>& DesktopIconSizes();
// The program icons and the stage file icon.
const std::vector<DesktopIcon>& DesktopIcons();

// Writes <themeFolder>/<size>x<size>/<context>/<name>.png for every icon and size.
// False with a message on a missing sprite, one that does not divide a size, or a file
// that cannot be written.
bool WriteDesktopIcons(const SpriteBook& book, const std::filesystem::path& themeFolder,
                       std::string& error);

}  // namespace tarn::assetgen
