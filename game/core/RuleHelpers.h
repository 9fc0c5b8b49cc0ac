// Small helpers shared by the rule sources (not part of the interface the loop uses).
#pragma once

#include <cstddef>

#include "game/core/Rules.h"

namespace tarn::game::detail {

// The cell holding map pixel (x, y); divisions truncate toward zero.
inline int Column(int x) {
    return x / kChipSize;
}
inline int Row(int y) {
    return y / kChipSize;
}

inline void RestartSound(FrameServices& services, SoundId id) {
    services.Sound(id, SoundOp::Stop);
    services.Sound(id, SoundOp::Play);
}

inline void RewindAndPlay(FrameServices& services, SoundId id) {
    services.Sound(id, SoundOp::Rewind);
    services.Sound(id, SoundOp::Play);
}

// Sets a cell's chip code and draws it into the map layers (cells outside the map are
// left alone).
void ChangeCell(FrameContext& frame, int column, int row, Chip chip);

// The block effects of a head hit at the player's top edge.
void HeadHit(FrameContext& frame);

// The player's figure for the current frame; null when the frame draws no player.
const Surface* PlayerFigure(const FrameContext& frame);

// Moves the kept window of PBuffer to the view and composes what it newly covers: the
// map layers with every object's figure and the player's on top, as drawn this frame.
void FollowView(FrameContext& frame);

}  // namespace tarn::game::detail

namespace tarn::game::detail {

// One object's contact with the player: lifts carrying it, deadly touch of the moving
// spikes and the diagonal enemy, and the other enemies being stomped, defeated or killing.
// Sets the outcome on a deadly contact.
void ObjectContact(FrameContext& frame, std::size_t index);

}  // namespace tarn::game::detail
