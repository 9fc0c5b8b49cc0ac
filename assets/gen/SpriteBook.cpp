// Parser of the text sprite sources.
#include "assets/gen/SpriteBook.h"

#include <cctype>
#include <fstream>
#include <sstream>

namespace tarn::assetgen {
namespace {

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// Splits "head : label" at the first colon.
void SplitLabel(const std::string& text, std::string& head, std::string& label) {
    const auto colon = text.find(':');
    if (colon == std::string::npos) {
        head = Trim(text);
        label.clear();
    } else {
        head = Trim(text.substr(0, colon));
        label = Trim(text.substr(colon + 1));
    }
}

bool IsHex(const std::string& text) {
    if (text.size() != 6) {
        return false;
    }
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

bool StartsWith(const std::string& text, const std::string& word) {
    return text.size() > word.size() && text.compare(0, word.size(), word) == 0 &&
           (text[word.size()] == ' ' || text[word.size()] == '\t');
}

}  // namespace

bool SpriteBook::Fail(const std::string& origin, int line, const std::string& what) {
    error_ = origin + ":" + std::to_string(line) + ": " + what;
    return false;
}

bool SpriteBook::AddSprite(Sprite sprite, const std::string& origin, int line) {
    if (sprite.width == 0 || sprite.height == 0) {
        return Fail(origin, line, "picture \"" + sprite.name + "\" has no rows");
    }
    const std::string name = sprite.name;
    if (!sprites_.emplace(name, std::move(sprite)).second) {
        return Fail(origin, line, "picture \"" + name + "\" is defined twice");
    }
    return true;
}

bool SpriteBook::Parse(const std::string& text, const std::string& origin) {
    std::istringstream in(text);
    std::string raw;
    int lineNo = 0;
    std::optional<Sprite> open;  // the picture whose rows are being read
    int openLine = 0;
    auto close = [&]() -> bool {
        if (!open) {
            return true;
        }
        Sprite done = std::move(*open);
        open.reset();
        return AddSprite(std::move(done), origin, openLine);
    };

    while (std::getline(in, raw)) {
        ++lineNo;
        const std::string line = Trim(raw);
        if (!line.empty() && line[0] == '#') {
            continue;
        }
        if (line.empty()) {
            if (!close()) {
                return false;
            }
            continue;
        }
        if (StartsWith(line, "colour")) {
            if (!close()) {
                return false;
            }
            std::istringstream words(line.substr(6));
            std::string key, hex;
            words >> key >> hex;
            if (key.size() != 1 || key[0] == '.' || key[0] == '#' || !IsHex(hex)) {
                return Fail(origin, lineNo, "expected: colour <one character> <RRGGBB>");
            }
            palette_[key[0]] = std::uint32_t(std::stoul(hex, nullptr, 16));
            continue;
        }
        if (StartsWith(line, "picture")) {
            if (!close()) {
                return false;
            }
            Sprite sprite;
            SplitLabel(line.substr(7), sprite.name, sprite.label);
            if (sprite.name.empty() || sprite.name.find(' ') != std::string::npos) {
                return Fail(origin, lineNo, "expected: picture <name> [: label]");
            }
            open = std::move(sprite);
            openLine = lineNo;
            continue;
        }
        if (StartsWith(line, "compose")) {
            if (!close()) {
                return false;
            }
            std::string head, label;
            SplitLabel(line.substr(7), head, label);
            const auto equals = head.find('=');
            if (equals == std::string::npos) {
                return Fail(origin, lineNo, "expected: compose <name> = <part> + <part>");
            }
            Sprite sprite;
            sprite.name = Trim(head.substr(0, equals));
            sprite.label = label;
            std::istringstream parts(head.substr(equals + 1));
            std::string part;
            bool expectName = true;
            while (parts >> part) {
                if (!expectName) {
                    if (part != "+") {
                        return Fail(origin, lineNo, "expected \"+\" between parts");
                    }
                    expectName = true;
                    continue;
                }
                expectName = false;
                const Sprite* layer = Find(part);
                if (layer == nullptr) {
                    return Fail(origin, lineNo, "unknown picture \"" + part + "\"");
                }
                if (sprite.width == 0) {
                    sprite.width = layer->width;
                    sprite.height = layer->height;
                    sprite.colours.assign(layer->colours.size(), 0);
                    sprite.opaque.assign(layer->opaque.size(), 0);
                } else if (layer->width != sprite.width || layer->height != sprite.height) {
                    return Fail(origin, lineNo, "\"" + part + "\" differs in size");
                }
                for (std::size_t i = 0; i < layer->opaque.size(); ++i) {
                    if (layer->opaque[i] != 0) {
                        sprite.opaque[i] = 1;
                        sprite.colours[i] = layer->colours[i];
                    }
                }
            }
            if (expectName) {
                return Fail(origin, lineNo, "a composition needs at least one part after \"=\"");
            }
            if (!AddSprite(std::move(sprite), origin, lineNo)) {
                return false;
            }
            continue;
        }
        if (!open) {
            return Fail(origin, lineNo, "row outside a picture: " + line);
        }
        if (open->height > 0 && int(line.size()) != open->width) {
            return Fail(origin, lineNo,
                        "row of " + std::to_string(line.size()) + " pixels in a picture " +
                            std::to_string(open->width) + " wide");
        }
        open->width = int(line.size());
        for (char c : line) {
            if (c == '.') {
                open->colours.push_back(0);
                open->opaque.push_back(0);
                continue;
            }
            const auto found = palette_.find(c);
            if (found == palette_.end()) {
                return Fail(origin, lineNo, std::string("no colour for \"") + c + "\"");
            }
            open->colours.push_back(found->second);
            open->opaque.push_back(1);
        }
        ++open->height;
    }
    return close();
}

bool SpriteBook::LoadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        error_ = file.string() + ": cannot be read";
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return Parse(text.str(), file.filename().string());
}

const Sprite* SpriteBook::Find(const std::string& name) const {
    const auto found = sprites_.find(name);
    return found == sprites_.end() ? nullptr : &found->second;
}

std::vector<const Sprite*> SpriteBook::WithPrefix(const std::string& prefix) const {
    std::vector<const Sprite*> result;
    for (auto it = sprites_.lower_bound(prefix);
         it != sprites_.end() && it->first.compare(0, prefix.size(), prefix) == 0; ++it) {
        result.push_back(&it->second);
    }
    return result;
}

Surface PictureOf(const Sprite& sprite) {
    Surface picture(sprite.width, sprite.height, kBlack);
    for (int y = 0; y < sprite.height; ++y) {
        for (int x = 0; x < sprite.width; ++x) {
            if (sprite.IsOpaque(x, y)) {
                picture.SetPixel(x, y, sprite.Colour(x, y));
            }
        }
    }
    return picture;
}

Surface MaskOf(const Sprite& sprite) {
    Surface mask(sprite.width, sprite.height, kWhite);
    for (int y = 0; y < sprite.height; ++y) {
        for (int x = 0; x < sprite.width; ++x) {
            if (sprite.IsOpaque(x, y)) {
                mask.SetPixel(x, y, kBlack);
            }
        }
    }
    return mask;
}

void Stamp(Surface& target, const Sprite& sprite, int x, int y, int scale) {
    for (int sy = 0; sy < sprite.height; ++sy) {
        for (int sx = 0; sx < sprite.width; ++sx) {
            if (sprite.IsOpaque(sx, sy)) {
                target.FillRect(x + sx * scale, y + sy * scale, scale, scale,
                                sprite.Colour(sx, sy));
            }
        }
    }
}

}  // namespace tarn::assetgen
