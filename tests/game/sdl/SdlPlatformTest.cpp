// The SDL front end on SDL's dummy video and audio drivers: keys become virtual-key
// codes, Alt+Enter stays with the window, closing the window asks to quit, waits reach
// their time, the picture reaches the window surface and the sounds the mixer behind the
// audio device.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <vector>

#include "game/platform/HeadlessPlatform.h"
#include "game/sdl/SdlPlatform.h"
#include "support/WaveFile.h"
#include "tests/common/TestFiles.h"

namespace tarn::game {
namespace {

SDL_Event Key(Uint32 type, SDL_Scancode scancode, Uint16 mod = KMOD_NONE) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.scancode = scancode;
    e.key.keysym.mod = mod;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    return e;
}

class SdlPlatformTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        platform = std::make_unique<SdlPlatform>(WindowChoice{true});
        ASSERT_TRUE(platform->Ok()) << platform->Error();
        std::vector<InputEvent> drained;
        platform->PollEvents(drained);
    }
    std::vector<InputEvent> Deliver(std::initializer_list<SDL_Event> events) {
        for (SDL_Event e : events) {
            SDL_PushEvent(&e);
        }
        std::vector<InputEvent> out;
        platform->PollEvents(out);
        return out;
    }
    std::unique_ptr<SdlPlatform> platform;
};

TEST_F(SdlPlatformTest, KeysArriveAsVirtualKeyCodes) {
    const auto events =
        Deliver({Key(SDL_KEYDOWN, SDL_SCANCODE_RIGHT), Key(SDL_KEYUP, SDL_SCANCODE_RIGHT),
                 Key(SDL_KEYDOWN, SDL_SCANCODE_Z), Key(SDL_KEYDOWN, SDL_SCANCODE_F12)});
    const std::vector<InputEvent> expected = {{InputEvent::Type::KeyDown, 39},
                                              {InputEvent::Type::KeyUp, 39},
                                              {InputEvent::Type::KeyDown, 90},
                                              {InputEvent::Type::KeyDown, 123}};
    EXPECT_EQ(events, expected);
}

TEST_F(SdlPlatformTest, AltEnterTogglesTheWindowAndIsNoKeyOfTheGame) {
    const auto events = Deliver({Key(SDL_KEYDOWN, SDL_SCANCODE_RETURN, KMOD_LALT),
                                 Key(SDL_KEYUP, SDL_SCANCODE_RETURN, KMOD_LALT),
                                 Key(SDL_KEYDOWN, SDL_SCANCODE_RETURN)});
    const std::vector<InputEvent> expected = {{InputEvent::Type::KeyDown, 13}};
    EXPECT_EQ(events, expected);
}

TEST_F(SdlPlatformTest, ClosingTheWindowAsksToQuit) {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    const auto events = Deliver({quit});
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].type, InputEvent::Type::Quit);
}

TEST_F(SdlPlatformTest, WaitUntilReturnsOnceTheClockHasReachedTheTime) {
    const std::uint32_t target = platform->Clock() + 30;
    platform->WaitUntil(target);
    EXPECT_GE(platform->Clock(), target);
}

// The colour the window surface holds at (x, y).
std::uint32_t WindowPixel(SDL_Window* window, int x, int y) {
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    const auto* row = static_cast<const std::uint8_t*>(surface->pixels) +
                      std::size_t(y) * std::size_t(surface->pitch);
    Uint32 pixel = 0;
    std::memcpy(&pixel, row + std::size_t(x) * surface->format->BytesPerPixel,
                surface->format->BytesPerPixel);
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(pixel, surface->format, &r, &g, &b);
    return Rgb(r, g, b);
}

TEST_F(SdlPlatformTest, PresentsTheStripAboveTheViewInTheWindow) {
    SDL_Surface* window = SDL_GetWindowSurface(platform->Window());
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->w, 640);  // windowed: one window pixel per picture pixel
    ASSERT_EQ(window->h, 496);
    Surface strip(640, 16, kWhite);
    strip.SetPixel(639, 15, Rgb(200, 0, 0));
    Surface view(640, 480, Rgb(10, 20, 30));
    view.SetPixel(0, 0, Rgb(0, 250, 0));
    view.SetPixel(639, 479, Rgb(0, 0, 240));
    platform->Present(strip, view);
    EXPECT_EQ(WindowPixel(platform->Window(), 0, 0), kWhite);
    EXPECT_EQ(WindowPixel(platform->Window(), 639, 15), Rgb(200, 0, 0));
    EXPECT_EQ(WindowPixel(platform->Window(), 0, 16), Rgb(0, 250, 0));
    EXPECT_EQ(WindowPixel(platform->Window(), 320, 256), Rgb(10, 20, 30));
    EXPECT_EQ(WindowPixel(platform->Window(), 639, 495), Rgb(0, 0, 240));
    EXPECT_EQ(platform->Text().TextWidth("", 48), 0);
}

TEST_F(SdlPlatformTest, AResizedWindowShowsThePictureAtTheLargestWholeFactorCentred) {
    SDL_SetWindowSize(platform->Window(), 1400, 1100);
    std::vector<InputEvent> events;
    platform->PollEvents(events);
    Surface strip(640, 16, Rgb(200, 0, 0));
    Surface view(640, 480, Rgb(10, 20, 30));
    platform->Present(strip, view);
    SDL_Surface* window = SDL_GetWindowSurface(platform->Window());
    ASSERT_EQ(window->w, 1400);
    ASSERT_EQ(window->h, 1100);
    EXPECT_EQ(WindowPixel(platform->Window(), 60, 54), Rgb(200, 0, 0));
    EXPECT_EQ(WindowPixel(platform->Window(), 60 + 1279, 54 + 31), Rgb(200, 0, 0));
    EXPECT_EQ(WindowPixel(platform->Window(), 60, 54 + 32), Rgb(10, 20, 30));
    EXPECT_EQ(WindowPixel(platform->Window(), 60 + 1279, 54 + 991), Rgb(10, 20, 30));
    EXPECT_EQ(WindowPixel(platform->Window(), 59, 500), kBlack);
    EXPECT_EQ(WindowPixel(platform->Window(), 700, 54 + 992), kBlack);
    EXPECT_EQ(platform->WindowedWidth(), 1400);
    EXPECT_EQ(platform->WindowedHeight(), 1100);
}

// The window surface's bytes, row by row.
std::vector<std::uint8_t> WindowBytes(SDL_Window* window) {
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    const auto rowBytes = std::size_t(surface->w) * surface->format->BytesPerPixel;
    std::vector<std::uint8_t> bytes;
    for (int y = 0; y < surface->h; ++y) {
        const auto* row = static_cast<const std::uint8_t*>(surface->pixels) +
                          std::size_t(y) * std::size_t(surface->pitch);
        bytes.insert(bytes.end(), row, row + rowBytes);
    }
    return bytes;
}

// A view of stripes that move with `step`, and a strip that shows it.
void MovingPicture(int step, Surface& strip, Surface& view) {
    strip = Surface(640, 16, Rgb(step * 40 % 256, 0, 0));
    view = Surface(640, 480, Rgb(10, 20, 30));
    for (int y = 0; y < 480; y += 37) {
        view.FillRect((y * 7 + step * 13) % 600, y + step % 3, 40, 5, Rgb(200, step * 30 % 256, 9));
    }
}

// Presenting only the rows that changed leaves the window as presenting everything would,
// drawn pixel for pixel, in whole-number squares and smoothly scaled.
TEST_F(SdlPlatformTest, PresentingTheChangedRowsShowsWhatPresentingEverythingShows) {
    for (const bool smooth : {false, true}) {
        platform.reset();
        platform = std::make_unique<SdlPlatform>(WindowChoice{true, 0, 0, smooth});
        ASSERT_TRUE(platform->Ok()) << platform->Error();
        for (const auto& [width, height] : {std::pair{640, 496}, std::pair{1400, 1100}}) {
            SDL_SetWindowSize(platform->Window(), width, height);
            std::vector<InputEvent> events;
            platform->PollEvents(events);
            Surface strip, view;
            for (const int step : {0, 1, 1, 2, 5, 5, 0}) {
                MovingPicture(step, strip, view);
                platform->presentAll = false;
                platform->Present(strip, view);
                const auto changedRows = WindowBytes(platform->Window());
                platform->presentAll = true;
                platform->Present(strip, view);
                ASSERT_EQ(changedRows, WindowBytes(platform->Window()))
                    << width << " x " << height << (smooth ? " smooth" : "") << ", step " << step;
            }
        }
    }
}

// What the window already shows is not drawn again: a mark on the window surface stays
// until the picture changes in its rows.
TEST_F(SdlPlatformTest, OnlyTheRowsThatChangedAreDrawnAgain) {
    Surface strip(640, 16, kWhite);
    Surface view(640, 480, Rgb(10, 20, 30));
    platform->Present(strip, view);
    SDL_Surface* window = SDL_GetWindowSurface(platform->Window());
    const Uint32 mark = SDL_MapRGB(window->format, 1, 2, 3);
    const SDL_Rect marks[2] = {{5, 100, 1, 1}, {5, 300, 1, 1}};
    SDL_FillRects(window, marks, 2, mark);
    platform->Present(strip, view);
    EXPECT_EQ(WindowPixel(platform->Window(), 5, 100), Rgb(1, 2, 3));
    EXPECT_EQ(WindowPixel(platform->Window(), 5, 300), Rgb(1, 2, 3));
    view.SetPixel(600, 300 - 16, Rgb(0, 250, 0));
    platform->Present(strip, view);
    EXPECT_EQ(WindowPixel(platform->Window(), 5, 100), Rgb(1, 2, 3));
    EXPECT_EQ(WindowPixel(platform->Window(), 5, 300), Rgb(10, 20, 30));
    EXPECT_EQ(WindowPixel(platform->Window(), 600, 300), Rgb(0, 250, 0));
}

TEST(SdlWindowSizeTest, AWindowStartsAtTheRememberedSize) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    SdlPlatform platform(WindowChoice{true, 800, 620, false});
    ASSERT_TRUE(platform.Ok()) << platform.Error();
    int width = 0, height = 0;
    SDL_GetWindowSize(platform.Window(), &width, &height);
    EXPECT_EQ(width, 800);
    EXPECT_EQ(height, 620);
    EXPECT_EQ(platform.WindowedWidth(), 800);
}

TEST(SdlWindowSizeTest, FullScreenKeepsTheRememberedWindowSize) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    SdlPlatform platform(WindowChoice{false, 900, 700, true});
    ASSERT_TRUE(platform.Ok()) << platform.Error();
    EXPECT_EQ(platform.WindowedWidth(), 900);
    EXPECT_EQ(platform.WindowedHeight(), 700);
    SdlPlatform never(WindowChoice{false});
    EXPECT_EQ(never.WindowedWidth(), 0) << "no size to remember yet";
}

TEST_F(SdlPlatformTest, PlaysThroughTheMixerWithoutASoundCard) {
    SdlAudio* audio = platform->Audio();
    ASSERT_NE(audio, nullptr);
    ASSERT_TRUE(audio->Open()) << "the dummy audio driver gives a device";
    ::tarn::testing::ScratchDir folder;
    for (int i = 0; i < kSoundCount; ++i) {
        const auto bytes = EncodeWave(std::vector<double>(22050, 0.25), 22050, 16);
        std::ofstream(folder / (std::string(SoundFileName(SoundId(i))) + ".wav"), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    ASSERT_EQ(platform->LoadSounds(folder.path()), std::nullopt);
    Mixer& mixer = audio->mixer();
    platform->Sound(SoundId::bgn, SoundOp::PlayLooping);
    EXPECT_TRUE(mixer.Playing(SoundId::bgn));
    EXPECT_TRUE(mixer.Looping(SoundId::bgn));
    EXPECT_FALSE(mixer.Playing(SoundId::coin));
    // The device pulls the mixed sound on its own thread.
    for (int wait = 0; wait < 500 && mixer.Position(SoundId::bgn) == 0; ++wait) {
        SDL_Delay(10);
    }
    EXPECT_GT(mixer.Position(SoundId::bgn), 0u);
    platform->Sound(SoundId::bgn, SoundOp::Stop);
    EXPECT_FALSE(mixer.Playing(SoundId::bgn));
    platform->Sound(SoundId::bgn, SoundOp::Rewind);
    EXPECT_EQ(mixer.Position(SoundId::bgn), 0u);
}

// Messages while the window is open: on the dummy driver there is no message box, as on
// a window system without core fonts, so the panel in the window shows them.
class SdlMessageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        platform = std::make_unique<SdlPlatform>(WindowChoice{false});
        ASSERT_TRUE(platform->Ok()) << platform->Error();
        std::vector<InputEvent> drained;
        platform->PollEvents(drained);
    }
    std::vector<InputEvent> Poll() {
        std::vector<InputEvent> out;
        platform->PollEvents(out);
        return out;
    }
    void Show(const std::string& text, const std::string& title = "Tarn Ver2") {
        platform->ShowMessage(UserMessage{text, title, MessageIcon::Error});
    }
    std::unique_ptr<SdlPlatform> platform;
};

TEST_F(SdlMessageTest, MessageStaysUntilAFreshEnterAndKeepsItsKeysFromTheGame) {
    SDL_Event repeated = Key(SDL_KEYDOWN, SDL_SCANCODE_RETURN);
    repeated.key.repeat = 1;
    for (SDL_Event e :
         {repeated, Key(SDL_KEYDOWN, SDL_SCANCODE_Z), Key(SDL_KEYDOWN, SDL_SCANCODE_RETURN),
          Key(SDL_KEYDOWN, SDL_SCANCODE_DOWN)}) {
        SDL_PushEvent(&e);
    }
    ::testing::internal::CaptureStderr();
    Show("The stage file /tmp/x.tr2 holds no stage.");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Tarn Ver2: The stage file /tmp/x.tr2 holds no stage.\n");
    const std::vector<InputEvent> expected = {{InputEvent::Type::KeyDown, 40}};
    EXPECT_EQ(Poll(), expected);
}

TEST_F(SdlMessageTest, ClosingTheWindowDuringAMessageStillEndsTheGame) {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    Show("Cannot load the title picture bg.jpg.");
    const auto events = Poll();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].type, InputEvent::Type::Quit);
}

TEST_F(SdlMessageTest, ReleasingF12DuringAMessageStillEndsTheGame) {
    for (SDL_Event e : {Key(SDL_KEYDOWN, SDL_SCANCODE_F12), Key(SDL_KEYUP, SDL_SCANCODE_F12)}) {
        SDL_PushEvent(&e);
    }
    Show("Cannot load the title picture bg.jpg.");
    const auto events = Poll();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].type, InputEvent::Type::Quit);
}

TEST_F(SdlMessageTest, MessageWithoutATitleShowsTheProgramsName) {
    SDL_Event enter = Key(SDL_KEYDOWN, SDL_SCANCODE_RETURN);
    SDL_PushEvent(&enter);
    ::testing::internal::CaptureStderr();
    Show("ファイルが見つかりません\r\n/tmp/x.tr2", "");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Tarn Ver2: ファイルが見つかりません\r\n/tmp/x.tr2\n");
}

TEST(HeadlessMessageTest, MessagesGoToStandardErrorAndAreKept) {
    HeadlessPlatform platform;
    ::testing::internal::CaptureStderr();
    platform.ShowMessage(UserMessage{"after", "Tarn Ver2", MessageIcon::Error});
    platform.ShowMessage(UserMessage{"untitled", "", MessageIcon::None});
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Tarn Ver2: after\nuntitled\n");
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].text, "after");
}

}  // namespace
}  // namespace tarn::game
