// Game controllers through SDL's virtual joystick: plugged in while the game runs, their
// buttons, d-pad and left stick become pad events, only the first attached one drives, and
// unplugging it lets go of what it held.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "game/sdl/SdlPlatform.h"

namespace tarn::game {
namespace {

using Type = InputEvent::Type;

InputEvent Down(PadButton button) {
    return {Type::PadDown, int(button)};
}
InputEvent Up(PadButton button) {
    return {Type::PadUp, int(button)};
}

// A virtual controller with the standard buttons and axes, plugged in for its lifetime.
class VirtualPad {
  public:
    VirtualPad() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "test pad";
        index_ = SDL_JoystickAttachVirtualEx(&desc);
        if (index_ >= 0) {
            joystick_ = SDL_JoystickOpen(index_);
            id_ = SDL_JoystickInstanceID(joystick_);
        }
    }
    ~VirtualPad() { Unplug(); }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    bool Ok() const { return joystick_ != nullptr; }
    void Button(SDL_GameControllerButton button, bool down) {
        SDL_JoystickSetVirtualButton(joystick_, button, down ? 1 : 0);
    }
    void Axis(SDL_GameControllerAxis axis, Sint16 value) {
        SDL_JoystickSetVirtualAxis(joystick_, axis, value);
    }
    void Unplug() {
        if (joystick_ != nullptr) {
            SDL_JoystickClose(joystick_);
            joystick_ = nullptr;
            for (int i = 0; i < SDL_NumJoysticks(); ++i) {
                if (SDL_JoystickGetDeviceInstanceID(i) == id_) {
                    SDL_JoystickDetachVirtual(i);
                }
            }
        }
    }

  private:
    int index_ = -1;
    SDL_Joystick* joystick_ = nullptr;
    SDL_JoystickID id_ = -1;
};

class SdlGamepadsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        // SDL passes a pad's events only to a window with the focus, which the dummy
        // driver's window never has.
        setenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1", 1);
        platform = std::make_unique<SdlPlatform>(WindowChoice{true});
        ASSERT_TRUE(platform->Ok()) << platform->Error();
        ASSERT_NE(platform->Gamepads(), nullptr);
        Poll();
    }
    std::vector<InputEvent> Poll() {
        std::vector<InputEvent> events;
        platform->PollEvents(events);
        return events;
    }

    std::unique_ptr<SdlPlatform> platform;
};

TEST_F(SdlGamepadsTest, APluggedInPadIsOpenedAndItsButtonsArrive) {
    VirtualPad pad;
    ASSERT_TRUE(pad.Ok()) << SDL_GetError();
    EXPECT_TRUE(Poll().empty());
    EXPECT_EQ(platform->Gamepads()->Count(), 1);
    pad.Button(SDL_CONTROLLER_BUTTON_A, true);
    pad.Button(SDL_CONTROLLER_BUTTON_X, true);
    EXPECT_EQ(Poll(), (std::vector<InputEvent>{Down(PadButton::South), Down(PadButton::West)}));
    pad.Button(SDL_CONTROLLER_BUTTON_A, false);
    pad.Button(SDL_CONTROLLER_BUTTON_START, true);
    pad.Button(SDL_CONTROLLER_BUTTON_BACK, true);
    pad.Button(SDL_CONTROLLER_BUTTON_Y, true);
    pad.Button(SDL_CONTROLLER_BUTTON_B, true);
    EXPECT_EQ(Poll(), (std::vector<InputEvent>{Up(PadButton::South), Down(PadButton::East),
                                               Down(PadButton::North), Down(PadButton::Back),
                                               Down(PadButton::Start)}));
}

TEST_F(SdlGamepadsTest, TheDpadAndTheLeftStickGiveTheDirections) {
    VirtualPad pad;
    ASSERT_TRUE(pad.Ok()) << SDL_GetError();
    Poll();
    pad.Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    EXPECT_EQ(Poll(), (std::vector<InputEvent>{Down(PadButton::Left)}));
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, -30000);
    EXPECT_TRUE(Poll().empty()) << "left is held already";
    pad.Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
    EXPECT_TRUE(Poll().empty()) << "the stick still holds left";
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, -8000);
    EXPECT_TRUE(Poll().empty()) << "not yet back near the middle";
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
    EXPECT_EQ(Poll(), (std::vector<InputEvent>{Up(PadButton::Left)}));
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, 5000);
    EXPECT_TRUE(Poll().empty()) << "a small push is no push";
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, 20000);
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTY, 20000);
    EXPECT_EQ(Poll(), (std::vector<InputEvent>{Down(PadButton::Right), Down(PadButton::Down)}));
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTY, -20000);
    EXPECT_EQ(Poll(), (std::vector<InputEvent>{Up(PadButton::Down), Down(PadButton::Up)}));
}

TEST_F(SdlGamepadsTest, OnlyTheFirstPadDrivesAndTheNextTakesOverWhenItIsUnplugged) {
    auto first = std::make_unique<VirtualPad>();
    VirtualPad second;
    ASSERT_TRUE(first->Ok() && second.Ok()) << SDL_GetError();
    Poll();
    EXPECT_EQ(platform->Gamepads()->Count(), 2);
    second.Button(SDL_CONTROLLER_BUTTON_A, true);
    EXPECT_TRUE(Poll().empty());
    second.Button(SDL_CONTROLLER_BUTTON_A, false);
    first->Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    EXPECT_EQ(Poll(), (std::vector<InputEvent>{Down(PadButton::Right)}));
    first.reset();
    EXPECT_EQ(Poll(), (std::vector<InputEvent>{Up(PadButton::Right)}))
        << "nothing stays held by a pad that is gone";
    EXPECT_EQ(platform->Gamepads()->Count(), 1);
    second.Button(SDL_CONTROLLER_BUTTON_B, true);
    EXPECT_EQ(Poll(), (std::vector<InputEvent>{Down(PadButton::East)}));
}

TEST_F(SdlGamepadsTest, TheBottomButtonEndsAMessageInTheWindowAndStaysWithIt) {
    platform.reset();
    platform = std::make_unique<SdlPlatform>(WindowChoice{false});  // full screen: the panel
    ASSERT_TRUE(platform->Ok()) << platform->Error();
    VirtualPad pad;
    ASSERT_TRUE(pad.Ok()) << SDL_GetError();
    Poll();
    pad.Button(SDL_CONTROLLER_BUTTON_A, true);
    platform->ShowMessage(Fail("The stage file x.tr2 holds no stage."));
    EXPECT_TRUE(Poll().empty()) << "the press was the message's";
    pad.Button(SDL_CONTROLLER_BUTTON_A, false);
    EXPECT_EQ(Poll(), (std::vector<InputEvent>{Up(PadButton::South)}));
}

TEST_F(SdlGamepadsTest, AMappingFromTheEnvironmentNamesTheButtons) {
    // SDL reads SDL_GAMECONTROLLERCONFIG when the controller subsystem starts: a pad of
    // this GUID gets its A from joystick button 3.
    platform.reset();
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = 0;
    desc.nbuttons = 4;
    desc.vendor_id = 0x1234;
    desc.product_id = 0x5678;
    desc.name = "mapped pad";
    SDL_Init(SDL_INIT_JOYSTICK);
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    ASSERT_GE(index, 0) << SDL_GetError();
    char guid[64];
    SDL_JoystickGetGUIDString(SDL_JoystickGetDeviceGUID(index), guid, sizeof guid);
    SDL_JoystickDetachVirtual(index);
    SDL_Quit();
    const std::string mapping = std::string(guid) + ",mapped pad,a:b3,b:b0,platform:Linux,";
    setenv("SDL_GAMECONTROLLERCONFIG", mapping.c_str(), 1);
    platform = std::make_unique<SdlPlatform>(WindowChoice{true});
    unsetenv("SDL_GAMECONTROLLERCONFIG");
    ASSERT_TRUE(platform->Ok()) << platform->Error();
    const int again = SDL_JoystickAttachVirtualEx(&desc);
    ASSERT_GE(again, 0) << SDL_GetError();
    SDL_Joystick* joystick = SDL_JoystickOpen(again);
    Poll();
    ASSERT_EQ(platform->Gamepads()->Count(), 1);
    SDL_JoystickSetVirtualButton(joystick, 3, 1);
    EXPECT_EQ(Poll(), (std::vector<InputEvent>{Down(PadButton::South)}));
    SDL_JoystickClose(joystick);
    SDL_JoystickDetachVirtual(again);
}

}  // namespace
}  // namespace tarn::game
