// The SDL front end on SDL's dummy video and audio drivers: keys become virtual-key
// codes, Alt+Enter stays with the window, closing the window asks to quit, waits reach
// their time and the audio device takes every sound.
#include <gtest/gtest.h>

#include <cstdlib>

#include "game/platform/HeadlessPlatform.h"
#include "game/sdl/SdlPlatform.h"
#include "support/MessageHook.h"

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
        platform = std::make_unique<SdlPlatform>(true);
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

TEST_F(SdlPlatformTest, PresentsAndPlaysWithoutASoundCard) {
    Surface strip(640, 16, kWhite);
    Surface view(640, 480, Rgb(10, 20, 30));
    platform->Present(strip, view);
    platform->Sound(SoundId::bgn, SoundOp::PlayLooping);
    platform->Sound(SoundId::bgn, SoundOp::Stop);
    EXPECT_EQ(platform->Text().TextWidth("", 48), 0);
}

// Messages while the window is open: on the dummy driver there is no message box, as on
// a window system without core fonts, so the panel in the window shows them.
class SdlMessageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        previous = SetMessageHandler([this](const std::string& text, const std::string&,
                                            MessageIcon) { outside.push_back(text); });
        platform = std::make_unique<SdlPlatform>(false);
        ASSERT_TRUE(platform->Ok()) << platform->Error();
        std::vector<InputEvent> drained;
        platform->PollEvents(drained);
    }
    void TearDown() override {
        platform.reset();
        SetMessageHandler(previous);
    }
    std::vector<InputEvent> Poll() {
        std::vector<InputEvent> out;
        platform->PollEvents(out);
        return out;
    }
    MessageHandler previous;
    std::vector<std::string> outside;
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
    ShowMessage("The stage file /tmp/x.tr2 holds no stage.", "Tarn Ver2", MessageIcon::Error);
    EXPECT_TRUE(outside.empty());
    const std::vector<InputEvent> expected = {{InputEvent::Type::KeyDown, 40}};
    EXPECT_EQ(Poll(), expected);
}

TEST_F(SdlMessageTest, ClosingTheWindowDuringAMessageStillEndsTheGame) {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    ShowMessage("Cannot load the title picture bg.jpg.", "Tarn Ver2", MessageIcon::Error);
    const auto events = Poll();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].type, InputEvent::Type::Quit);
}

TEST_F(SdlMessageTest, ReleasingF12DuringAMessageStillEndsTheGame) {
    for (SDL_Event e : {Key(SDL_KEYDOWN, SDL_SCANCODE_F12), Key(SDL_KEYUP, SDL_SCANCODE_F12)}) {
        SDL_PushEvent(&e);
    }
    ShowMessage("Cannot load the title picture bg.jpg.", "Tarn Ver2", MessageIcon::Error);
    const auto events = Poll();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].type, InputEvent::Type::Quit);
}

TEST_F(SdlMessageTest, ClosedWindowHandsMessagesBack) {
    platform.reset();
    ShowMessage("after", "Tarn Ver2", MessageIcon::Error);
    ASSERT_EQ(outside.size(), 1u);
    EXPECT_EQ(outside[0], "after");
}

}  // namespace
}  // namespace tarn::game
