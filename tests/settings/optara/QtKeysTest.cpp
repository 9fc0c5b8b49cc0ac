// Qt keys reach the same virtual-key codes as the game's keys through the shared table.
#include "settings/optara/QtKeys.h"

#include <gtest/gtest.h>

#include <QKeyEvent>

#include "settings/VirtualKeys.h"

namespace tarn::optara {
namespace {

struct QtKeyCase {
    int qtKey;
    bool keypad;
    std::uint32_t usbUsage;  // the same key as the game (SDL) reports it
};

// Every kind of key the settings tool can capture, paired with its USB usage.
constexpr QtKeyCase kCases[] = {
    {Qt::Key_A, false, 4},
    {Qt::Key_Z, false, 29},
    {Qt::Key_1, false, 30},
    {Qt::Key_0, false, 39},
    {Qt::Key_F1, false, 58},
    {Qt::Key_F10, false, 67},
    {Qt::Key_F12, false, 69},
    {Qt::Key_Return, false, 40},
    {Qt::Key_Enter, true, 88},
    {Qt::Key_Escape, false, 41},
    {Qt::Key_Backspace, false, 42},
    {Qt::Key_Tab, false, 43},
    {Qt::Key_Space, false, 44},
    {Qt::Key_Minus, false, 45},
    {Qt::Key_Equal, false, 46},
    {Qt::Key_BracketLeft, false, 47},
    {Qt::Key_BracketRight, false, 48},
    {Qt::Key_Backslash, false, 49},
    {Qt::Key_Semicolon, false, 51},
    {Qt::Key_Apostrophe, false, 52},
    {Qt::Key_QuoteLeft, false, 53},
    {Qt::Key_Comma, false, 54},
    {Qt::Key_Period, false, 55},
    {Qt::Key_Slash, false, 56},
    {Qt::Key_CapsLock, false, 57},
    {Qt::Key_Print, false, 70},
    {Qt::Key_ScrollLock, false, 71},
    {Qt::Key_Pause, false, 72},
    {Qt::Key_Insert, false, 73},
    {Qt::Key_Home, false, 74},
    {Qt::Key_PageUp, false, 75},
    {Qt::Key_Delete, false, 76},
    {Qt::Key_End, false, 77},
    {Qt::Key_PageDown, false, 78},
    {Qt::Key_Right, false, 79},
    {Qt::Key_Left, false, 80},
    {Qt::Key_Down, false, 81},
    {Qt::Key_Up, false, 82},
    {Qt::Key_NumLock, false, 83},
    {Qt::Key_Slash, true, 84},
    {Qt::Key_Asterisk, true, 85},
    {Qt::Key_Minus, true, 86},
    {Qt::Key_Plus, true, 87},
    {Qt::Key_1, true, 89},
    {Qt::Key_9, true, 97},
    {Qt::Key_0, true, 98},
    {Qt::Key_Period, true, 99},
    {Qt::Key_Menu, false, 101},
    {Qt::Key_Hiragana_Katakana, false, 136},
    {Qt::Key_yen, false, 137},
    {Qt::Key_Henkan, false, 138},
    {Qt::Key_Muhenkan, false, 139},
    {Qt::Key_Control, false, 224},
    {Qt::Key_Shift, false, 225},
    {Qt::Key_Alt, false, 226},
    {Qt::Key_Super_L, false, 227},
    {Qt::Key_Super_R, false, 231},
};

TEST(QtKeysTest, EveryQtKeyGivesTheCodeOfTheSameKeyInTheGame) {
    for (const QtKeyCase& key : kCases) {
        const auto fromQt =
            vk::FromPlatformKey({.x11Keysym = KeysymOfQtKey(key.qtKey, key.keypad)});
        const auto fromGame = vk::FromPlatformKey({.usbUsage = key.usbUsage});
        ASSERT_TRUE(fromGame.has_value()) << key.usbUsage;
        EXPECT_EQ(fromQt, fromGame)
            << "Qt key 0x" << std::hex << key.qtKey << " keypad " << key.keypad;
    }
}

TEST(QtKeysTest, KeypadModifierTurnsDigitsIntoKeypadDigits) {
    const QKeyEvent keypadSeven(QEvent::KeyPress, Qt::Key_7, Qt::KeypadModifier);
    const QKeyEvent seven(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier);
    EXPECT_EQ(VirtualKeyOf(keypadSeven), 103);
    EXPECT_EQ(VirtualKeyOf(seven), 55);
}

TEST(QtKeysTest, ShiftedLetterIsTheLetterKey) {
    const QKeyEvent shiftedA(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"));
    EXPECT_EQ(VirtualKeyOf(shiftedA), 65);
}

TEST(QtKeysTest, KeysOutsideTheTableHaveNoCode) {
    EXPECT_EQ(KeysymOfQtKey(Qt::Key_VolumeDown, false), 0u);
    const QKeyEvent volume(QEvent::KeyPress, Qt::Key_VolumeDown, Qt::NoModifier);
    EXPECT_EQ(VirtualKeyOf(volume), std::nullopt);
}

}  // namespace
}  // namespace tarn::optara
