// Pixel-art pictures written as text. A sprite file holds palette lines, pictures drawn one
// character per pixel, and compositions that stack earlier pictures:
//
//   # comment
//   colour r c04030          one character, six hexadecimal digits; "." is transparent
//   picture chip.1 : brick   then one row of characters per line, all of one width,
//   rrrrrrrr...              ended by a blank line, a directive or the end of the file
//   compose chip.6 = object.0 + arrow.lr : horizontal lift
//
// The palette carries over from file to file in load order, so one shared palette file can
// come first. Names are unique across all files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "support/Surface.h"

namespace tarn::assetgen {

// A picture as drawn: a colour per pixel and whether the pixel is opaque.
struct Sprite {
    std::string name;
    std::string label;  // free text after ":" (used for the contact sheet)
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> colours;  // row-major; 0 where transparent
    std::vector<std::uint8_t> opaque;    // row-major; 1 where opaque

    bool IsOpaque(int x, int y) const { return opaque[std::size_t(y * width + x)] != 0; }
    std::uint32_t Colour(int x, int y) const { return colours[std::size_t(y * width + x)]; }
};

class SpriteBook {
  public:
    // Parses one source text; `origin` names it in error messages. Returns false and sets
    // error() ("file:line: what") on the first fault.
    bool Parse(const std::string& text, const std::string& origin);
    bool LoadFile(const std::filesystem::path& file);

    const std::string& error() const { return error_; }
    const Sprite* Find(const std::string& name) const;
    // Every picture whose name starts with `prefix`, in name order.
    std::vector<const Sprite*> WithPrefix(const std::string& prefix) const;
    std::size_t size() const { return sprites_.size(); }

  private:
    bool Fail(const std::string& origin, int line, const std::string& what);
    bool AddSprite(Sprite sprite, const std::string& origin, int line);

    std::map<char, std::uint32_t> palette_;
    std::map<std::string, Sprite> sprites_;
    std::string error_;
};

// The sprite as a picture (its colours, black where transparent) and as a mask (black
// where opaque, white elsewhere).
Surface PictureOf(const Sprite& sprite);
Surface MaskOf(const Sprite& sprite);

// Draws the opaque pixels of a sprite onto a surface, each as a scale x scale block.
void Stamp(Surface& target, const Sprite& sprite, int x, int y, int scale = 1);

}  // namespace tarn::assetgen
