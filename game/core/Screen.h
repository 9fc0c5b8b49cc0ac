// What the player sees: the view `VisuP` with its print position, the status strip above
// it, and presenting both through the platform at the display's colour depth. Also the
// way to the player for messages.
#pragma once

#include <cstdint>
#include <string_view>

#include "game/core/GameState.h"
#include "game/core/Layers.h"
#include "game/core/Platform.h"
#include "game/core/StatusStrip.h"
#include "game/core/ViewGeometry.h"
#include "support/Surface.h"

namespace tarn::art {
struct BuiltinPictures;
}

namespace tarn::game {

inline constexpr int kViewFontPoints = 48;
inline constexpr int kStageLineFontPoints = 25;
inline constexpr int kPauseHintFontPoints = 16;
inline constexpr std::uint32_t kTextColor = kWhite;
// Texts on the view are ringed with it, so that they read over sky and blocks alike.
inline constexpr std::uint32_t kTextOutlineColor = kBlack;

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

class Screen : private ShownFrame {
  public:
    Screen(Platform& platform, const art::BuiltinPictures& art);
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    View view;
    StatusStrip strip;
    // Whether a view nobody drew on since the last present is shown again without drawing
    // or converting it anew (a switch for tests, which compare with doing it every time).
    bool reuseUnchangedView = true;

    // Printing on the view at its print position, in the view's font size, outlined.
    void Print(std::string_view text);        // then a line break
    void PrintOnLine(std::string_view text);  // no line break
    void SetPrintPosition(int x, int y);

    // Sets the display mode's colour depth (8 or 16 bits per pixel).
    void SetColorDepth(int bits);
    // The clock label takes the time of day.
    void ShowTimeOfDay();
    // Stretches the view's part of PBuffer onto the view, shows the score and the time of
    // day in the strip, and presents.
    void PresentView(const Layers& layers, const GameState& state);
    // Presents the view and the strip as they are.
    void Refresh();
    // Refresh() for a view that nothing has drawn on since the last present: the colour
    // conversion of that present serves again, and only the strip may have changed.
    void RefreshStrip();
    // The view as last presented, at the display's colour depth.
    const Surface& Presented();

    // Shows a message to the player, in or beside the window; returns once it was seen.
    void ShowMessage(const UserMessage& message) { platform_.ShowMessage(message); }

  private:
    // ShownFrame: what the platform asks for when it presents.
    const Surface& Strip() override;
    const Surface& ViewAtDepth() override;

    Platform& platform_;
    const art::BuiltinPictures& art_;
    int colorDepth_ = 16;
    Surface strip_;
    StatusStrip drawnStrip_;
    bool stripDrawn_ = false;
    Surface presented_;
    bool presentedFresh_ = false;    // presented_ already shows the view
    bool presentedStale_ = false;    // presented_ misses what the last present showed
    bool viewAsked_ = false;         // the platform asked for the view in this present
    bool viewKept_ = false;          // this present shows the view the last one showed
    bool presentedMatches_ = false;  // presented_ is the view at colorDepth_ as it was converted
};

}  // namespace tarn::game
