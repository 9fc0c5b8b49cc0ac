// The state of a game as plain data: the loaded stage, the player, the counters and the
// state of the running main loop. The rules take it by reference and change it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "settings/SettingsFile.h"
#include "support/ChipTable.h"

namespace tarn::game {

inline constexpr int kChipColumns = kMapColumns + 2;  // columns 0..201
inline constexpr int kChipRows = kMapRows + 1;        // rows 0..59, and row 60 below the map

// The in-memory stage. Cells are [row][column].
struct Stage {
    std::array<std::array<std::int32_t, kChipColumns>, kChipRows> ChipMap{};
    // -1 passable, 0 solid
    std::array<std::array<std::int16_t, kChipColumns>, kChipRows> PassMap{};

    // Chip code of a cell; -1 for any cell outside the arrays.
    std::int32_t Chip(int column, int row) const;
    // True when the cell holds that chip.
    bool Holds(int column, int row, tarn::Chip chip) const {
        return Chip(column, row) == Code(chip);
    }
    // True for a passable cell; cells outside the arrays are passable.
    bool Passable(int column, int row) const;
    bool Solid(int column, int row) const { return !Passable(column, row); }
    // Writes are ignored outside the arrays.
    void SetChip(int column, int row, std::int32_t code);
    void SetPassable(int column, int row, bool passable);

    // Objects occupy 0..ObjCount-1; two spare entries follow.
    std::vector<ObjectKind> ObjKind;
    std::vector<std::int32_t> ObjX, ObjY, ObjDX, ObjDY;
    std::vector<std::int16_t> ObjActive;
    std::int32_t ObjCount = 0;
    // Counts SetChip and SetPassable calls, so that copies of a state can tell whether
    // their maps still agree.
    std::uint32_t Edits = 0;

    std::string BackgroundName;
    std::string StageName;
    std::string CurrentStage;
    std::string NextStage;
    std::string NextStage2;
};

enum class Outcome { None, Clear, Dead };  // "", "CL", "DED"
const char* OutcomeText(Outcome outcome);

struct Player {
    std::int32_t PlayerX = 0;
    std::int32_t PlayerY = 0;
    std::int32_t JumpState = 0;  // 0 standing, 3 rising, -1 falling, 5 placed by a lift/stomp
    std::int16_t JumpArmed = -1;
    std::int32_t JumpFrame = 0;
    std::uint8_t JumpPower = 0;
    std::uint8_t RunSpeed = 1;
    std::int32_t PlayerFrame = 2;
    std::int32_t PowerUntil = 0;  // ms clock; -1 used up until the power key is released
    std::int16_t OnLift = 0;
};

struct Counters {
    std::int32_t Score = 0;
    std::int32_t Lives = 5;
    std::int32_t Coins = 0;
    double TimeLeft = 0;
};

// The six bindings taken from the key table when a game starts.
struct KeyBindings {
    std::uint8_t KeyRight = 39;
    std::uint8_t KeyLeft = 37;
    std::uint8_t KeyDash = 90;
    std::uint8_t KeyJump = 38;
    std::uint8_t KeyGiveUp = 0;
    std::uint8_t KeyPower = 0;
};

// Held keys, indexed by virtual-key code: -1 held, 0 not.
struct KeyState {
    std::array<std::int16_t, 256> state{};
    bool Held(int code) const { return code >= 0 && code < 256 && state[std::size_t(code)] != 0; }
    void Press(int code, const KeyBindings& bindings);  // the newer direction key wins
    void Release(int code);
    void Clear() { state.fill(0); }
};

// State of one run of the main loop, fresh for every stage start and retry.
struct LoopState {
    std::int32_t FrameCount = 1;
    std::uint32_t SecondStart = 0;
    std::int32_t ViewX = 0;
    std::int32_t ViewY = 0;
    Outcome outcome = Outcome::None;
    std::int32_t StompChain = 1;
    std::int16_t HurryUp = 0;
};

// Everything a frame of play reads and changes.
struct GameState {
    bool lowSpec = false;  // the low-spec build moves by doubled steps
    Stage stage;
    Player player;
    Counters counters;
    LoopState loop;
    KeyBindings bindings;
    KeyState keys;
    int TargetFps = 60;
    int ColorDepth = 16;
    int ConfigNo = 0;
    KeyTableData KeyTable{};

    int Step(int normal) const { return lowSpec ? normal * 2 : normal; }
};

// Copies everything but the stage's chip and pass maps, which the caller knows to agree
// already: a search that copies states by the thousand saves the maps' 74 KB a copy.
// (Keep it in step with the members above.)
void CopyAllButMaps(GameState& to, const GameState& from);

}  // namespace tarn::game
