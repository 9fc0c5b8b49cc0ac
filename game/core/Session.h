// The game window's state: the settings, the loaded stage with its pictures, the view
// with its print position, the status strip and the stage folders, together with the
// platform they are shown on. Every phase of the flow works on one Session.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/core/GameState.h"
#include "game/core/Layers.h"
#include "game/core/PlayerPictures.h"
#include "game/core/Rules.h"
#include "game/core/StatusStrip.h"
#include "game/core/ViewGeometry.h"
#include "game/platform/Platform.h"
#include "support/BinAngsDL.h"
#include "support/Surface.h"

namespace tarn::art {
struct BuiltinPictures;
}

namespace tarn::game {

inline constexpr int kViewFontPoints = 48;
inline constexpr int kStageLineFontPoints = 25;
inline constexpr int kPauseHintFontPoints = 16;
inline constexpr int kScoreTextFontPoints = 12;
inline constexpr std::uint32_t kTextColor = kWhite;

// Fills a whole surface with one colour through block copies of its first row, which stay
// fast in unoptimised and sanitised builds too (every load clears three map-sized surfaces).
void FillWhole(Surface& surface, std::uint32_t color);

// The visible view `VisuP`: its picture, what is drawn over it and the print position.
struct View {
    Surface surface{kViewWidth, kViewHeight};
    Surface picture;  // empty: no picture, the view clears to black
    int CurrentX = 0;
    int CurrentY = 0;
    int FontSize = kViewFontPoints;

    // Clears the drawing (the picture stays) and moves the print position home.
    void Cls();
};

// Told after every frame of the menu or the main loop (record, replay, tests).
class FrameObserver {
  public:
    virtual ~FrameObserver() = default;
    // Returns false to stop the run (a replay that diverged).
    virtual bool AfterFrame(std::uint64_t frame, const GameState& state) = 0;
    // True when no further key input can arrive (a headless run whose script ended).
    virtual bool InputExhausted() const = 0;
    // True when keys come from a script rather than a keyboard.
    virtual bool ScriptedInput() const = 0;
    // True when the script still changes keys before the next frame starts.
    virtual bool InputPendingThisFrame() const = 0;
};

class Session : public FrameServices {
  public:
    Session(Platform& platform, const art::BuiltinPictures& art, std::filesystem::path root);

    Platform& platform;
    const art::BuiltinPictures& art;
    std::filesystem::path root;  // the program folder

    GameState state;
    Layers layers;
    PlayerPictures playerPictures;
    Surface BackB;
    Surface DedBuf;
    Surface DedMaskBuf;
    View view;
    StatusStrip status;

    std::vector<std::filesystem::path> StageDirs;  // each ends in a separator
    int StageDirNo = 1;
    std::filesystem::path StageDir;
    bool TitleStarted = false;
    BinAngsDL container;
    std::string LoadedBackground;  // tile name of the background composed in BackPIC
    int backgroundWidth = 0;       // the size of bmp/std.bmp, read once
    int backgroundHeight = 0;

    // Run control.
    bool quitRequested = false;  // F12, F2, END or the window closed
    bool menuRequested = false;  // the first key press enters the title menu anew
    bool stageMode = false;      // --stage: where the menu would follow, the run ends
    std::optional<std::uint64_t> frameLimit;
    bool stopAfterFirstLoad = false;
    std::uint64_t framesRun = 0;
    int exitCode = 0;
    FrameObserver* observer = nullptr;
    // Called once per phase of the flow (stack probes in tests).
    std::function<void()> phaseProbe;

    FrameContext Frame();

    // Lets pending events run; false when the running phase must hand over at once.
    bool Pump();
    // Counts a started frame; true while the run may go on (frame limit, replay check).
    bool FrameStarted();
    bool FrameFinished();
    bool FrameLimitReached() const { return frameLimit && framesRun >= *frameLimit; }

    // Printing on the view at its print position.
    void Print(std::string_view text);        // then a line break
    void PrintOnLine(std::string_view text);  // no line break
    void SetPrintPosition(int x, int y);

    // Stretches the view's part of PBuffer onto VisuP, updates the labels and shows it.
    void PresentView();
    // Shows the view and the status strip as they are.
    void Refresh();
    // The view as last shown, at the display's colour depth.
    const Surface& Presented();
    // Waits on the clock until the given number of milliseconds after `since`.
    void WaitSince(std::uint32_t since, std::uint32_t ms);

    // FrameServices.
    std::uint32_t Clock() override { return platform.Clock(); }
    void Sound(SoundId id, SoundOp op) override { platform.Sound(id, op); }
    void PrintOnPBuffer(int x, int y, std::string_view text) override;
    void LivesChanged(std::int32_t lives) override;

  private:
    Surface strip_;
    StatusStrip shownStatus_;
    bool stripDrawn_ = false;
    Surface presented_;
    bool presentedFresh_ = false;  // presented_ already shows the view
    bool presentedStale_ = false;  // headless: presented_ is made only when asked for
    std::vector<InputEvent> events_;
};

}  // namespace tarn::game
