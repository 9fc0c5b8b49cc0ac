// The status strip above the view: the captions of its labels and how they are drawn.
#pragma once

#include <string>

#include "support/Surface.h"

namespace tarn::art {
struct BuiltinPictures;
}

namespace tarn::game {

class TextPainter;

inline constexpr int kStripWidth = 640;
inline constexpr int kStripHeight = 16;
inline constexpr int kStripFontPoints = 12;

struct StatusStrip {
    std::string Label2 = "00:00:00";  // time of day
    std::string State = "FPS XX/XX";
    std::string NTime = "time 000";
    std::string LifeV = "000";
    std::string CoV = "00";
    std::string STName;
    std::string PointV = "0";  // score, right-aligned
    bool operator==(const StatusStrip&) const = default;
};

// Draws the whole strip (640 x 16) with its labels and icons.
void DrawStatusStrip(Surface& strip, const StatusStrip& status, TextPainter& text,
                     const art::BuiltinPictures& art);

}  // namespace tarn::game
