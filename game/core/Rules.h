// The rules of play, one function per step of the frame body, in the order the main loop
// calls them. Each reads and changes the game state; a step that ends the frame sets
// state.loop.outcome, after which the main loop calls no further step.
//
// Frame body order:
//   1 ArmJump   2 ErasePlayer   3 UpdateObjects   4 DrawObjects   5 CrushBlocks
//   6 TestRowBelow   7 TestOwnRow   8 HurryUpSwitch   9 TestTimeUp, then unless it ended
//   the frame: 9.1 CoinsToLife, 9.2 give-up key (the shell), 9.3 GroundAndGravity,
//   9.4 JumpAndCeiling, 9.5 MoveAndDrawPlayer, 9.6 UpdateView, then pause and present.
// RunFrameBody runs steps 1 to 9.6 in that order for callers without a pause key or a
// screen (tests, planners); the give-up key is honoured there as well.
#pragma once

#include <string>

#include "game/core/FrameServices.h"
#include "game/core/GameState.h"
#include "game/core/Layers.h"
#include "game/core/PlayerPictures.h"

namespace tarn::art {
struct BuiltinPictures;
}

namespace tarn::game {

struct FrameContext {
    GameState& state;
    Layers& layers;
    const art::BuiltinPictures& art;
    FrameServices& services;
    // The player's figures; null draws no player.
    const PlayerPictures* playerPictures = nullptr;
};

// Step 1: the jump is armed again once its key is released.
void ArmJump(FrameContext& frame);
// Step 2: restores the 80 x 80 area around the player on the composition picture.
void ErasePlayer(FrameContext& frame);
// Step 3: every object in index order: activity, move, bounce, erase, kind changes,
// lifts carrying the player, deadly touch and stomps. The erase covers only what PBuffer
// keeps exact; the rules run for every object all the same.
void UpdateObjects(FrameContext& frame);
// Step 4: draws every object, active or not, at its place (skipping the figures that lie
// wholly where PBuffer is not kept exact: see KeptRegion).
void DrawObjects(FrameContext& frame);
// Step 5: power mode crushes breakable blocks under the player.
void CrushBlocks(FrameContext& frame);
// Step 6: items, goals and spikes in the row below the player.
void TestRowBelow(FrameContext& frame);
// Step 7: items, goals and spikes in the player's own row.
void TestOwnRow(FrameContext& frame);
// Step 8: the hurry-up music once time runs low.
void HurryUpSwitch(FrameContext& frame);
// Step 9: time up ends the life; true when it did (the rest of step 9 is skipped).
bool TestTimeUp(FrameContext& frame);
// Step 9.1: 100 coins give a life.
void CoinsToLife(FrameContext& frame);
// Step 9.2: the give-up key costs the life.
void TestGiveUp(FrameContext& frame);
// Step 9.3: ground test and gravity; falling out of the map ends the life.
void GroundAndGravity(FrameContext& frame);
// Step 9.4: the jump, the ceiling test and block hits.
void JumpAndCeiling(FrameContext& frame);
// Step 9.5: dash, power key, horizontal movement, animation picture and drawing the player.
void MoveAndDrawPlayer(FrameContext& frame);
// Step 9.6: the view follows the player, clamped to the map; PBuffer's kept window follows
// the view.
void UpdateView(FrameContext& frame);

// Steps 1 to 9.6 in order, stopping as soon as the outcome is set.
void RunFrameBody(FrameContext& frame);

// The time label's text for a time left ("time 005", "time 123", "time 00-1").
std::string TimeText(double timeLeft);

}  // namespace tarn::game
