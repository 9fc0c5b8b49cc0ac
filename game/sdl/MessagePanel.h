// Failures shown inside the game window: a panel with the title and the text drawn over
// the view, for window systems where SDL's own message box cannot be shown (no core X
// fonts, or a full-screen window that would cover it).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "game/core/Platform.h"
#include "support/Surface.h"

namespace tarn::game {

inline constexpr int kMessageTextPoints = 14;

// Splits the text at its line breaks and between words so that every line fits `width`
// pixels; a word wider than that is split between characters.
std::vector<std::string> WrapText(TextPainter& text, std::string_view message, int points,
                                  int width);

// Dims the view and draws the panel with the title, the text and the hint to press Enter.
void DrawMessagePanel(Surface& view, TextPainter& text, const std::string& title,
                      const std::string& message);

}  // namespace tarn::game
