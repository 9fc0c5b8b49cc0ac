// Layout and drawing of the contact sheet.
#include "assets/gen/ContactSheet.h"

#include <algorithm>
#include <cctype>

#include "assets/gen/ArtCatalog.h"

namespace tarn::assetgen {
namespace {

constexpr int kSheetWidth = 1312;
constexpr int kMargin = 16;
constexpr int kCellW = 160;
constexpr int kCellH = 116;
constexpr int kHeadingH = 28;
constexpr int kLabelChars = 25;
constexpr std::uint32_t kPaper = Rgb(32, 30, 44);
constexpr std::uint32_t kInk = Rgb(236, 234, 244);
constexpr std::uint32_t kDim = Rgb(160, 156, 184);
constexpr std::uint32_t kHeading = Rgb(248, 200, 56);

bool IsCell(const SheetEntry& entry) {
    return entry.picture.width() == 16 && entry.picture.height() == 16;
}

void Checker(Surface& target, int x, int y, int w, int h, int square) {
    for (int yy = 0; yy < h; ++yy) {
        for (int xx = 0; xx < w; ++xx) {
            const bool odd = ((xx / square) + (yy / square)) % 2 != 0;
            target.SetPixel(x + xx, y + yy, odd ? Rgb(92, 96, 112) : Rgb(120, 124, 140));
        }
    }
}

// The picture through its mask onto whatever is already there, stretched to w x h.
void Show(Surface& target, const SheetEntry& entry, int x, int y, int w, int h) {
    const int sw = entry.picture.width();
    const int sh = entry.picture.height();
    if (entry.mask.empty()) {
        StretchBlt(target, x, y, w, h, entry.picture, 0, 0, sw, sh);
        return;
    }
    StretchBlt(target, x, y, w, h, entry.mask, 0, 0, sw, sh, RasterOp::SrcAnd);
    StretchBlt(target, x, y, w, h, entry.picture, 0, 0, sw, sh, RasterOp::SrcPaint);
}

std::vector<std::string> Wrap(const std::string& text, std::size_t width) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string word = text.substr(start, end - start);
        if (!line.empty() && line.size() + 1 + word.size() > width) {
            lines.push_back(line);
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
        start = end + 1;
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

SheetEntry EntryOf(const Sprite& sprite, const std::string& title) {
    return {title, sprite.label, PictureOf(sprite), MaskOf(sprite)};
}

struct Placement {
    int x, y, w, h;
};

// Scale for a large picture: whole or halved, at most 320 x 240.
Placement FitLarge(const Surface& picture) {
    int w = picture.width();
    int h = picture.height();
    while (w > 320 || h > 240) {
        w /= 2;
        h /= 2;
    }
    return {0, 0, std::max(w, 1), std::max(h, 1)};
}

}  // namespace

std::vector<SheetSection> SpriteSections(const SpriteBook& book) {
    std::vector<SheetSection> sections(4);
    sections[0].heading = "CHIPS (BRTIP / BRMASK) BY CODE";
    for (int code = 0; code < kChipCodeCount; ++code) {
        if (const Sprite* sprite = book.Find(ChipName(code))) {
            sections[0].entries.push_back(EntryOf(*sprite, "CHIP " + std::to_string(code)));
        }
    }
    sections[1].heading = "OBJECTS (TPIC / TMASK) BY KIND";
    for (int kind = 0; kind < kObjectKindCount; ++kind) {
        if (const Sprite* sprite = book.Find(ObjectName(kind))) {
            sections[1].entries.push_back(EntryOf(*sprite, "KIND " + std::to_string(kind)));
        }
    }
    sections[2].heading = "PLAYER (ME/---0..7, ---A, DEDME, MYMASK)";
    for (int frame = 0; frame < kWalkFrames; ++frame) {
        if (const Sprite* sprite = book.Find(WalkName(frame))) {
            sections[2].entries.push_back(EntryOf(*sprite, "---" + std::to_string(frame)));
        }
    }
    if (const Sprite* sprite = book.Find(kPowerName)) {
        sections[2].entries.push_back(EntryOf(*sprite, "---A"));
    }
    if (const Sprite* sprite = book.Find(kDeadName)) {
        sections[2].entries.push_back(EntryOf(*sprite, "DEDME"));
    }
    const Sprite silhouette = PlayerSilhouette(book);
    SheetEntry mask{"MYMASK", "player mask (black: opaque)", MaskOf(silhouette),
                    Surface(16, 16, kBlack)};
    sections[2].entries.push_back(std::move(mask));
    sections[3].heading = "STATUS ICONS";
    for (const char* name : {kLifeIconName, kCoinIconName}) {
        if (const Sprite* sprite = book.Find(name)) {
            sections[3].entries.push_back(EntryOf(*sprite, name));
        }
    }
    return sections;
}

Surface DrawContactSheet(const PixelFont& font, const std::vector<SheetSection>& sections) {
    const int perRow = (kSheetWidth - 2 * kMargin) / kCellW;
    // First pass measures, second draws.
    Surface sheet;
    for (int pass = 0; pass < 2; ++pass) {
        int y = kMargin;
        for (const SheetSection& section : sections) {
            if (pass == 1) {
                font.Draw(sheet, kMargin, y + 8, section.heading, kHeading, 2);
            }
            y += kHeadingH;
            int column = 0;
            int x = kMargin;
            int rowHeight = 0;
            for (const SheetEntry& entry : section.entries) {
                if (IsCell(entry)) {
                    if (column == perRow) {
                        column = 0;
                        x = kMargin;
                        y += rowHeight;
                        rowHeight = 0;
                    }
                    if (pass == 1) {
                        Checker(sheet, x, y, 64, 64, 8);
                        Show(sheet, entry, x, y, 64, 64);
                        Checker(sheet, x + 72, y, 30, 30, 6);
                        Surface small(10, 10, Rgb(106, 110, 126));
                        Show(small, entry, 0, 0, 10, 10);
                        StretchBlt(sheet, x + 72, y, 30, 30, small, 0, 0, 10, 10);
                        Checker(sheet, x + 110, y, 16, 16, 4);
                        Show(sheet, entry, x + 110, y, 16, 16);
                        font.Draw(sheet, x, y + 70, entry.title, kInk);
                        int line = 0;
                        for (const std::string& text : Wrap(entry.label, kLabelChars)) {
                            font.Draw(sheet, x, y + 80 + line * 9, text, kDim);
                            ++line;
                        }
                    }
                    x += kCellW;
                    ++column;
                    rowHeight = std::max(rowHeight, kCellH);
                    continue;
                }
                const Placement fit = FitLarge(entry.picture);
                if (x + fit.w > kSheetWidth - kMargin && x > kMargin) {
                    x = kMargin;
                    y += rowHeight;
                    rowHeight = 0;
                }
                if (pass == 1) {
                    Show(sheet, entry, x, y, fit.w, fit.h);
                    font.Draw(sheet, x, y + fit.h + 4, entry.title, kInk);
                    font.Draw(sheet, x, y + fit.h + 14, entry.label, kDim);
                }
                x += std::max(fit.w, PixelFont::Width(entry.label)) + 24;
                rowHeight = std::max(rowHeight, fit.h + 32);
            }
            y += rowHeight + 8;
        }
        if (pass == 0) {
            sheet.Reset(kSheetWidth, y + kMargin, kPaper);
        }
    }
    return sheet;
}

}  // namespace tarn::assetgen
