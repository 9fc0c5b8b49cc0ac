// Laying out and drawing the in-window message panel.
#include "game/sdl/MessagePanel.h"

#include <algorithm>

namespace tarn::game {

namespace {

constexpr int kMargin = 40;
constexpr int kPadding = 16;
constexpr int kTitlePoints = 16;
constexpr int kHintPoints = 12;
constexpr std::uint32_t kPanelColor = 0x202848;
constexpr std::uint32_t kBorderColor = kWhite;
constexpr std::uint32_t kTitleColor = 0xFFE070;

// Length of the UTF-8 sequence starting with this byte (1 for a stray byte).
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0) {
        return 4;
    }
    if (lead >= 0xE0) {
        return 3;
    }
    if (lead >= 0xC0) {
        return 2;
    }
    return 1;
}

// Appends a word that may be wider than a line, splitting it between characters.
void AddLongWord(TextPainter& text, std::string_view word, int points, int width,
                 std::vector<std::string>& lines) {
    std::string line;
    for (std::size_t i = 0; i < word.size();) {
        const std::size_t n = std::min(SequenceLength((unsigned char)word[i]), word.size() - i);
        const std::string next = line + std::string(word.substr(i, n));
        if (!line.empty() && text.TextWidth(next, points) > width) {
            lines.push_back(line);
            line = std::string(word.substr(i, n));
        } else {
            line = next;
        }
        i += n;
    }
    lines.push_back(line);
}

void WrapParagraph(TextPainter& text, std::string_view paragraph, int points, int width,
                   std::vector<std::string>& lines) {
    std::string line;
    std::size_t start = 0;
    while (start <= paragraph.size()) {
        const std::size_t end = std::min(paragraph.find(' ', start), paragraph.size());
        const std::string_view word = paragraph.substr(start, end - start);
        const std::string joined =
            line.empty() ? std::string(word) : line + " " + std::string(word);
        if (text.TextWidth(joined, points) <= width) {
            line = joined;
        } else {
            if (!line.empty()) {
                lines.push_back(line);
            }
            line.clear();
            if (text.TextWidth(word, points) <= width) {
                line = std::string(word);
            } else {
                AddLongWord(text, word, points, width, lines);
                line = lines.back();
                lines.pop_back();
            }
        }
        start = end + 1;
    }
    lines.push_back(line);
}

}  // namespace

std::vector<std::string> WrapText(TextPainter& text, std::string_view message, int points,
                                  int width) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= message.size()) {
        const std::size_t end = std::min(message.find('\n', start), message.size());
        std::string paragraph(message.substr(start, end - start));
        std::erase(paragraph, '\r');
        WrapParagraph(text, paragraph, points, width, lines);
        start = end + 1;
    }
    return lines;
}

void DrawMessagePanel(Surface& view, TextPainter& text, const std::string& title,
                      const std::string& message) {
    for (int y = 0; y < view.height(); ++y) {
        std::uint32_t* row = view.Row(y);
        for (int x = 0; x < view.width(); ++x) {
            row[x] = (row[x] >> 2) & 0x3F3F3F;  // a quarter of the brightness
        }
    }
    const int inner = view.width() - 2 * (kMargin + kPadding);
    const int lineHeight = text.LineHeight(kMessageTextPoints);
    const int titleHeight = text.LineHeight(kTitlePoints);
    const int hintHeight = text.LineHeight(kHintPoints);
    std::vector<std::string> lines = WrapText(text, message, kMessageTextPoints, inner);
    const int room = view.height() - 2 * kMargin - 2 * kPadding - titleHeight - 2 * hintHeight;
    const auto fit = std::size_t(std::max(1, room / std::max(1, lineHeight)));
    if (lines.size() > fit) {
        lines.resize(fit);
        lines.back() = "...";
    }
    const int height = 2 * kPadding + titleHeight + int(lines.size()) * lineHeight + 2 * hintHeight;
    const int top = std::max(0, (view.height() - height) / 2);
    const int width = view.width() - 2 * kMargin;
    view.FillRect(kMargin - 1, top - 1, width + 2, height + 2, kBorderColor);
    view.FillRect(kMargin, top, width, height, kPanelColor);
    int y = top + kPadding;
    text.Draw(view, kMargin + kPadding, y, title, kTitlePoints, kTitleColor);
    y += titleHeight;
    for (const std::string& line : lines) {
        text.Draw(view, kMargin + kPadding, y, line, kMessageTextPoints, kWhite);
        y += lineHeight;
    }
    const std::string hint = "Press Enter";
    const int hintWidth = text.TextWidth(hint, kHintPoints);
    text.Draw(view, kMargin + width - kPadding - hintWidth, y + hintHeight, hint, kHintPoints,
              kWhite);
}

}  // namespace tarn::game
