// Writes the built-in pictures as C++ source for the `art` library.
#pragma once

#include <string>

#include "assets/gen/SpriteBook.h"

namespace tarn::assetgen {

// The text of a .cpp file defining the arrays declared in assets/BuiltinArtData.h.
// The book must pass CheckCatalog.
std::string EmbeddedArtSource(const SpriteBook& book);

}  // namespace tarn::assetgen
