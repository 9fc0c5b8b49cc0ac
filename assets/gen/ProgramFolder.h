// Stages the complete program folder: player pictures, backgrounds, the title picture,
// the sounds, the default settings files and the empty work folders.
#pragma once

#include <filesystem>
#include <string>

#include "assets/gen/ContactSheet.h"

namespace tarn::assetgen {

bool WriteProgramFolder(const SpriteBook& book, const std::filesystem::path& folder,
                        std::string& error);

// The large pictures of the program folder (background tiles, title) for the contact sheet.
SheetSection PictureSection(const SpriteBook& book);

}  // namespace tarn::assetgen
