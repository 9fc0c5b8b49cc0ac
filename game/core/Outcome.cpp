// The outcome sequences after a main loop: stage clear with the time bonus, the next
// stage or all clear; death with the falling figure, the retry or game over.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <string_view>

#include "assets/BuiltinArt.h"
#include "game/core/Flow.h"
#include "game/core/Pacing.h"
#include "game/core/Session.h"
#include "support/HEXRNDData.h"

namespace tarn::game {

namespace {

// Prints the characters one by one, waiting before each. Returns the clock reading at
// which the wait before the last character began.
std::uint32_t PrintSlowly(Session& s, std::string_view text, std::uint32_t waitMs) {
    std::uint32_t lastWait = s.Clock();
    for (const char c : text) {
        lastWait = s.Clock();
        s.WaitSince(lastWait, waitMs);
        s.PrintOnLine(std::string(1, c));
        s.Refresh();
    }
    return lastWait;
}

void ResetForNewGame(Session& s) {
    s.status.NTime = "0";
    s.state.counters.Coins = 0;
    s.state.counters.Score = 0;
    s.status.PointV = "0";
    s.status.STName = "";
}

Next StageClear(Session& s) {
    GameState& st = s.state;
    s.Sound(SoundId::clear, SoundOp::Play);
    s.WaitSince(s.Clock(), 1650);
    s.Print("");
    s.Print("");
    s.PrintOnLine("           ");
    PrintSlowly(s, "CLEAR!!", 50);

    s.Sound(SoundId::timep, SoundOp::PlayLooping);
    st.counters.TimeLeft = std::floor(st.counters.TimeLeft);
    const auto units = std::int64_t(st.counters.TimeLeft);
    for (std::int64_t i = 0; i < units; ++i) {
        s.WaitSince(s.Clock(), 10);
        st.counters.TimeLeft -= 1;
        st.counters.Score += 10;
        s.status.NTime = TimeText(st.counters.TimeLeft);
        s.status.PointV = std::to_string(st.counters.Score);
        s.Refresh();
        if (!s.Pump() && s.quitRequested) {
            return Next{Phase::Exit, {}};
        }
    }
    s.Sound(SoundId::timep, SoundOp::Stop);
    s.Print("");

    const auto next = s.StageDir / (st.stage.NextStage + ".tr2");
    std::error_code error;
    if (!st.stage.NextStage.empty() && std::filesystem::is_regular_file(next, error)) {
        PrintSlowly(s, " GO TO NEXT STAGE!", 80);
        s.WaitSince(s.Clock(), 800);
        return Next{Phase::Load, st.stage.NextStage};
    }
    s.Sound(SoundId::allclear, SoundOp::Play);
    const std::uint32_t lastWait = PrintSlowly(s, " ALL CLEAR! THANKS!", 80);
    s.Print("");
    s.Print("           (仮)");
    s.Refresh();
    s.WaitSince(lastWait, 5000);
    ResetForNewGame(s);
    return ToMenu(s);
}

Next Death(Session& s) {
    GameState& st = s.state;
    const Player& p = st.player;
    RestoreArea(s.layers, p.PlayerX, p.PlayerY, 16, 16);
    HEXRNDData::MaskBilt(s.layers.PBuffer, s.art.DedMe, s.art.MyMask, 16, 16, p.PlayerX, p.PlayerY,
                         0, 0);
    s.PresentView();
    s.Sound(SoundId::ded1, SoundOp::Play);
    s.WaitSince(s.Clock(), 1000);

    RestoreArea(s.layers, p.PlayerX, p.PlayerY, 16, 16);
    s.DedBuf.Reset(32, 32);
    s.DedMaskBuf.Reset(32, 32, kWhite);
    StretchBlt(s.DedBuf, 0, 0, 32, 32, s.art.DedMe, 0, 0, 16, 16);
    StretchBlt(s.DedMaskBuf, 0, 0, 32, 32, s.art.MyMask, 0, 0, 16, 16);
    s.Sound(SoundId::ded, SoundOp::Play);
    // A figure far above the view starts just above it, so the fall always ends soon.
    int d = std::max(p.PlayerY - st.loop.ViewY, -40);
    const int x = (p.PlayerX - st.loop.ViewX) * 2;
    // Each step stays on screen for one frame period, so the fall can be seen however
    // fast the picture is presented.
    const std::uint32_t step = std::uint32_t(1000 / PacingFps(st.TargetFps));
    while (d <= kViewSpanY) {
        const std::uint32_t shown = s.Clock();
        s.PresentView();
        HEXRNDData::MaskBilt(s.view.surface, s.DedBuf, s.DedMaskBuf, 32, 32, x, d * 2, 0, 0);
        s.Refresh();
        s.WaitSince(shown, step);
        d += st.Step(8);
    }
    s.WaitSince(s.Clock(), 1000);

    st.counters.Lives -= 1;
    if (st.counters.Lives >= 0) {
        return Next{Phase::Load, st.stage.CurrentStage};
    }
    s.Print("");
    s.Print("");
    s.Print("");
    s.PrintOnLine("    ");
    s.Sound(SoundId::end, SoundOp::Play);
    PrintSlowly(s, "GAME IS OVER!", 80);
    ResetForNewGame(s);
    s.status.CoV = "0";
    s.Refresh();
    return ToMenu(s);
}

}  // namespace

Next RunOutcome(Session& s) {
    s.SetPrintPosition(0, 0);
    s.Sound(SoundId::bg, SoundOp::Stop);
    s.Sound(SoundId::bgn, SoundOp::Stop);
    s.Sound(SoundId::bgn, SoundOp::Rewind);
    const Outcome outcome = s.state.loop.outcome;
    Next next = outcome == Outcome::Clear ? StageClear(s) : Death(s);
    if (s.quitRequested) {
        return Next{Phase::Exit, {}};
    }
    return next;
}

}  // namespace tarn::game
