// The rules of play, one function per step of the frame body, in the order the main loop
// calls them. Each reads and changes the game state; a step that ends the frame sets
// state.loop.outcome, after which the main loop calls no further step.
#pragma once

#include "game/core/FrameServices.h"
#include "game/core/GameState.h"
#include "game/core/Layers.h"

namespace tarn::art {
struct BuiltinPictures;
}

namespace tarn::game {

struct FrameContext {
    GameState& state;
    Layers& layers;
    const art::BuiltinPictures& art;
    FrameServices& services;
};

// Step 1: the jump is armed again once its key is released.
void ArmJump(FrameContext& frame);
// Step 3: every object in index order: activity, move, bounce, erase, kind changes,
// lifts carrying the player, deadly touch and stomps.
void UpdateObjects(FrameContext& frame);
// Step 5: power mode crushes breakable blocks under the player.
void CrushBlocks(FrameContext& frame);
// Step 6: items, goals and spikes in the row below the player.
void TestRowBelow(FrameContext& frame);
// Step 7: items, goals and spikes in the player's own row.
void TestOwnRow(FrameContext& frame);
// Step 8: the hurry-up music once time runs low.
void HurryUpSwitch(FrameContext& frame);
// Step 9.1: 100 coins give a life.
void CoinsToLife(FrameContext& frame);
// Step 9.3: ground test and gravity; falling out of the map ends the life.
void GroundAndGravity(FrameContext& frame);
// Step 9.4: the jump, the ceiling test and block hits.
void JumpAndCeiling(FrameContext& frame);
// Step 9.5: dash, power key, horizontal movement, animation picture and drawing the player.
void MoveAndDrawPlayer(FrameContext& frame);

// The time label's text for a time left ("time 005", "time 123", "time 00-1").
std::string TimeText(double timeLeft);

}  // namespace tarn::game
