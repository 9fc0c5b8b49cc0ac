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
#include "game/core/Rules.h"
#include "game/core/RunControl.h"
#include "game/core/Screen.h"
#include "game/core/StageFolders.h"
#include "game/core/ViewGeometry.h"
#include "support/FileNames.h"
#include "support/HEXRNDData.h"

namespace tarn::game {

namespace {

// What the outcome sequences work on.
struct Sequence {
    FrameContext& play;
    Screen& screen;
    RunControl& run;
    GameClock& clock;
    const StageFolders& folders;

    std::uint32_t Clock() { return clock.Clock(); }
    void Sound(SoundId id, SoundOp op) { play.services.Sound(id, op); }
    // Waits on the clock until `ms` milliseconds after `since`.
    void WaitSince(std::uint32_t since, std::uint32_t ms) { clock.WaitUntil(since + ms); }
};

// Prints the characters one by one, waiting before each. Returns the clock reading at
// which the wait before the last character began.
std::uint32_t PrintSlowly(Sequence& q, std::string_view text, std::uint32_t waitMs) {
    std::uint32_t lastWait = q.Clock();
    for (const char c : text) {
        lastWait = q.Clock();
        q.WaitSince(lastWait, waitMs);
        q.screen.PrintOnLine(std::string(1, c));
        q.screen.Refresh();
    }
    return lastWait;
}

// After all clear and game over the score and coins start again from 0.
void ResetForNewGame(Sequence& q, bool gameOver) {
    q.play.state.counters.Coins = 0;
    q.play.state.counters.Score = 0;
    q.screen.strip.ClearAfterGame(gameOver);
}

Next StageClear(Sequence& q) {
    GameState& st = q.play.state;
    Screen& screen = q.screen;
    q.Sound(SoundId::clear, SoundOp::Play);
    q.WaitSince(q.Clock(), 1650);
    screen.Print("");
    screen.Print("");
    screen.PrintOnLine("           ");
    PrintSlowly(q, "CLEAR!!", 50);

    q.Sound(SoundId::timep, SoundOp::PlayLooping);
    st.counters.TimeLeft = std::floor(st.counters.TimeLeft);
    const auto units = std::int64_t(st.counters.TimeLeft);
    for (std::int64_t i = 0; i < units; ++i) {
        q.WaitSince(q.Clock(), 10);
        st.counters.TimeLeft -= 1;
        st.counters.Score += 10;
        screen.strip.SetTimeLeft(st.counters.TimeLeft);
        screen.strip.SetScore(st.counters.Score);
        screen.RefreshStrip();
        if (!q.run.Pump(st) && q.run.quitRequested) {
            return Next{Phase::Exit, {}};
        }
    }
    q.Sound(SoundId::timep, SoundOp::Stop);
    screen.Print("");

    // The loader let no other name through; the check keeps this step safe on its own.
    const std::string& name = st.stage.NextStage;
    std::error_code error;
    if (IsPlainFileName(name + ".tr2") &&
        std::filesystem::is_regular_file(q.folders.StageFile(name), error)) {
        PrintSlowly(q, " GO TO NEXT STAGE!", 80);
        q.WaitSince(q.Clock(), 800);
        return Next{Phase::Load, st.stage.NextStage};
    }
    q.Sound(SoundId::allclear, SoundOp::Play);
    const std::uint32_t lastWait = PrintSlowly(q, " ALL CLEAR! THANKS!", 80);
    screen.Print("");
    screen.Print("           (仮)");
    screen.Refresh();
    q.WaitSince(lastWait, 5000);
    ResetForNewGame(q, false);
    return ToMenu(q.run);
}

Next Death(Sequence& q) {
    GameState& st = q.play.state;
    Layers& layers = q.play.layers;
    const art::BuiltinPictures& art = q.play.art;
    Screen& screen = q.screen;
    const Player& p = st.player;
    RestoreArea(layers, p.PlayerX, p.PlayerY, 16, 16);
    HEXRNDData::MaskBilt(layers.PBuffer, art.DedMe, art.MyMask, 16, 16, p.PlayerX, p.PlayerY, 0, 0);
    screen.PresentView(layers, st);
    q.Sound(SoundId::ded1, SoundOp::Play);
    q.WaitSince(q.Clock(), 1000);

    RestoreArea(layers, p.PlayerX, p.PlayerY, 16, 16);
    Surface DedBuf(32, 32);
    Surface DedMaskBuf(32, 32, kWhite);
    StretchBlt(DedBuf, 0, 0, 32, 32, art.DedMe, 0, 0, 16, 16);
    StretchBlt(DedMaskBuf, 0, 0, 32, 32, art.MyMask, 0, 0, 16, 16);
    q.Sound(SoundId::ded, SoundOp::Play);
    // A figure far above the view starts just above it, so the fall always ends soon.
    int d = std::max(p.PlayerY - st.loop.ViewY, -40);
    const int x = (p.PlayerX - st.loop.ViewX) * 2;
    // Each step stays on screen for one frame period, so the fall can be seen however
    // fast the picture is presented.
    const std::uint32_t step = std::uint32_t(1000 / PacingFps(st.TargetFps));
    while (d <= kViewSpanY) {
        const std::uint32_t shown = q.Clock();
        screen.PresentView(layers, st);
        HEXRNDData::MaskBilt(screen.view.surface, DedBuf, DedMaskBuf, 32, 32, x, d * 2, 0, 0);
        screen.Refresh();
        q.WaitSince(shown, step);
        d += st.Step(8);
    }
    q.WaitSince(q.Clock(), 1000);

    st.counters.Lives -= 1;
    if (st.counters.Lives >= 0) {
        return Next{Phase::Load, st.stage.CurrentStage};
    }
    screen.Print("");
    screen.Print("");
    screen.Print("");
    screen.PrintOnLine("    ");
    q.Sound(SoundId::end, SoundOp::Play);
    PrintSlowly(q, "GAME IS OVER!", 80);
    ResetForNewGame(q, true);
    screen.Refresh();
    return ToMenu(q.run);
}

}  // namespace

Next RunOutcome(FrameContext& play, Screen& screen, RunControl& run, GameClock& clock,
                const StageFolders& folders) {
    Sequence q{play, screen, run, clock, folders};
    screen.SetPrintPosition(0, 0);
    q.Sound(SoundId::bg, SoundOp::Stop);
    q.Sound(SoundId::bgn, SoundOp::Stop);
    q.Sound(SoundId::bgn, SoundOp::Rewind);
    const Outcome outcome = play.state.loop.outcome;
    Next next = outcome == Outcome::Clear ? StageClear(q) : Death(q);
    if (run.quitRequested) {
        return Next{Phase::Exit, {}};
    }
    return next;
}

}  // namespace tarn::game
