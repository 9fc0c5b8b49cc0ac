// The background pictures of bmp/: std.bmp, which fixes the size of a stage's background,
// and the tiles a stage names, drawn from procedures and scenery sprites.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "assets/gen/SpriteBook.h"
#include "support/ChipTable.h"

namespace tarn::assetgen {

// A small deterministic random source, so that every build draws the same pictures.
class Dice {
  public:
    explicit Dice(std::uint32_t seed) : state_(seed == 0 ? 1 : seed) {}
    std::uint32_t Next();
    int Below(int limit) { return limit <= 0 ? 0 : int(Next() % std::uint32_t(limit)); }

  private:
    std::uint32_t state_;
};

// Mixes two colours: t = 0 gives a, t = 1 gives b.
std::uint32_t Blend(std::uint32_t a, std::uint32_t b, double t);

Surface StandardBackground();

struct BackgroundTile {
    std::string file;  // name in bmp/, as a stage's first line gives it
    std::string label;
    Surface picture;
};
std::vector<BackgroundTile> BackgroundTiles(const SpriteBook& book);

}  // namespace tarn::assetgen
