// The catalogue of sprite sources and the player's shared silhouette.
#include "assets/gen/ArtCatalog.h"

namespace tarn::assetgen {

const std::vector<std::string>& SpriteFiles() {
    static const std::vector<std::string> files = {
        "palette.txt", "objects.txt", "markers.txt", "chips.txt",
        "player.txt",  "icons.txt",   "font.txt",    "scenery.txt",
    };
    return files;
}

std::string ChipName(int code) {
    return "chip." + std::to_string(code);
}
std::string ObjectName(int kind) {
    return "object." + std::to_string(kind);
}
std::string WalkName(int frame) {
    return "player." + std::to_string(frame);
}

bool LoadSprites(const std::filesystem::path& spriteDir, SpriteBook& book, std::string& error) {
    for (const std::string& file : SpriteFiles()) {
        if (!book.LoadFile(spriteDir / file)) {
            error = book.error();
            return false;
        }
    }
    return true;
}

namespace {

std::vector<std::string> RequiredCells() {
    std::vector<std::string> names;
    names.reserve(std::size_t(kChipCodeCount + kObjectKindCount + kWalkFrames + 4));
    for (int code = 0; code < kChipCodeCount; ++code) {
        names.push_back(ChipName(code));
    }
    for (int kind = 0; kind < kObjectKindCount; ++kind) {
        names.push_back(ObjectName(kind));
    }
    for (int frame = 0; frame < kWalkFrames; ++frame) {
        names.push_back(WalkName(frame));
    }
    for (const char* name : {kPowerName, kDeadName, kLifeIconName, kCoinIconName}) {
        names.emplace_back(name);
    }
    return names;
}

}  // namespace

bool CheckCatalog(const SpriteBook& book, std::string& error) {
    for (const std::string& name : RequiredCells()) {
        const Sprite* sprite = book.Find(name);
        if (sprite == nullptr) {
            error = "the sprite sources lack the picture \"" + name + "\"";
            return false;
        }
        if (sprite->width != kCellSize || sprite->height != kCellSize) {
            error = "the picture \"" + name + "\" is " + std::to_string(sprite->width) + " x " +
                    std::to_string(sprite->height) + ", not 16 x 16";
            return false;
        }
    }
    return true;
}

Sprite PlayerSilhouette(const SpriteBook& book) {
    Sprite silhouette;
    silhouette.name = "player.mask";
    silhouette.label = "player mask";
    silhouette.width = kCellSize;
    silhouette.height = kCellSize;
    silhouette.colours.assign(kCellSize * kCellSize, 0);
    silhouette.opaque.assign(kCellSize * kCellSize, 0);
    std::vector<std::string> members;
    members.reserve(kWalkFrames);
    for (int frame = 0; frame < kWalkFrames; ++frame) {
        members.push_back(WalkName(frame));
    }
    members.emplace_back(kPowerName);
    members.emplace_back(kDeadName);
    for (const std::string& name : members) {
        const Sprite* sprite = book.Find(name);
        if (sprite == nullptr || sprite->opaque.size() != silhouette.opaque.size()) {
            continue;
        }
        for (std::size_t i = 0; i < sprite->opaque.size(); ++i) {
            silhouette.opaque[i] |= sprite->opaque[i];
        }
    }
    return silhouette;
}

}  // namespace tarn::assetgen
