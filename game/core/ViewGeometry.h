// The view's geometry: a 320 x 240 window of the composed map, stretched twice to the
// 640 x 480 view surface, following the player and clamped to the map.
#pragma once

#include "support/ChipTable.h"

namespace tarn::game {

inline constexpr int kViewWidth = 640;  // the view surface `VisuP`
inline constexpr int kViewHeight = 480;
inline constexpr int kViewSpanX = kViewWidth / 2;  // map pixels the view shows
inline constexpr int kViewSpanY = kViewHeight / 2;
inline constexpr int kViewFollowX = kViewSpanX / 2;  // where the view keeps the player
inline constexpr int kViewFollowY = kViewSpanY / 2;
inline constexpr int kViewLimitX = kMapWidth - kViewSpanX;   // 2880: never beyond the map
inline constexpr int kViewLimitY = kMapHeight - kViewSpanY;  // 720

}  // namespace tarn::game
