// Fuzz target: the game's stage loader past the text reader: the chip and pass maps, the
// object scan and the map-sized pictures, for the normal and the low-spec build.
//
// Invariants: the object table never outgrows the loaded cells, and every object starts in
// them. The game reads 201 cells of a row (the map's 200 and one past its right edge, as
// stages have always been read), so an object may start in that extra column.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "assets/BuiltinArt.h"
#include "game/core/FrameServices.h"
#include "game/core/GameState.h"
#include "game/core/Layers.h"
#include "game/core/StageLoader.h"
#include "support/StageText.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

class QuietServices : public tarn::game::FrameServices {
  public:
    std::uint32_t Clock() override { return 0; }
    void Sound(tarn::game::SoundId, tarn::game::SoundOp) override {}
    void PrintOnPBuffer(int, int, std::string_view) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using tarn::kMapHeight;
    using tarn::kMapWidth;
    using namespace tarn::game;
    const tarn::GameStageText text =
        tarn::ReadGameStage({reinterpret_cast<const char*>(data), size});
    // One build per input keeps each run short; the first byte picks it.
    GameState state;
    state.lowSpec = size > 0 && (data[0] & 1) != 0;
    static Layers layers;
    if (layers.MainV.width() == 0) {
        layers.MainV.Reset(kMapWidth, kMapHeight);
        layers.MainMask.Reset(kMapWidth, kMapHeight, tarn::kWhite);
    }
    QuietServices services;
    FillStage(state, layers, tarn::art::Builtin(), services, text);
    const auto& stage = state.stage;
    constexpr int kLoadedColumns = tarn::kMapColumns + 1;
    Require(stage.ObjCount >= 0 && stage.ObjCount <= kLoadedColumns * tarn::kMapRows);
    for (int i = 0; i < stage.ObjCount; ++i) {
        const int x = stage.ObjX[std::size_t(i)];
        Require(x >= 0 && x < kLoadedColumns * tarn::kChipSize);
        Require(stage.ObjY[std::size_t(i)] >= 0 && stage.ObjY[std::size_t(i)] < kMapHeight);
    }
    return 0;
}
