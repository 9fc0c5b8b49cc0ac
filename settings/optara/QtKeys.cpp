// Qt keys to X11 keysyms; the shared table takes them from there to virtual-key codes,
// so that the settings tool and the game translate every key the same way.
#include "settings/optara/QtKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <array>

#include "settings/VirtualKeys.h"

namespace tarn::optara {
namespace {

struct QtKeyRow {
    int qtKey;
    std::uint32_t keysym;
};

constexpr std::array kSpecialKeys{
    QtKeyRow{Qt::Key_Escape, 0xff1b},
    QtKeyRow{Qt::Key_Tab, 0xff09},
    QtKeyRow{Qt::Key_Backtab, 0xfe20},
    QtKeyRow{Qt::Key_Backspace, 0xff08},
    QtKeyRow{Qt::Key_Return, 0xff0d},
    QtKeyRow{Qt::Key_Enter, 0xff8d},
    QtKeyRow{Qt::Key_Insert, 0xff63},
    QtKeyRow{Qt::Key_Delete, 0xffff},
    QtKeyRow{Qt::Key_Pause, 0xff13},
    QtKeyRow{Qt::Key_Print, 0xff61},
    QtKeyRow{Qt::Key_Clear, 0xff9d},
    QtKeyRow{Qt::Key_Home, 0xff50},
    QtKeyRow{Qt::Key_End, 0xff57},
    QtKeyRow{Qt::Key_Left, 0xff51},
    QtKeyRow{Qt::Key_Up, 0xff52},
    QtKeyRow{Qt::Key_Right, 0xff53},
    QtKeyRow{Qt::Key_Down, 0xff54},
    QtKeyRow{Qt::Key_PageUp, 0xff55},
    QtKeyRow{Qt::Key_PageDown, 0xff56},
    QtKeyRow{Qt::Key_Shift, 0xffe1},
    QtKeyRow{Qt::Key_Control, 0xffe3},
    QtKeyRow{Qt::Key_Meta, 0xffeb},
    QtKeyRow{Qt::Key_Super_L, 0xffeb},
    QtKeyRow{Qt::Key_Super_R, 0xffec},
    QtKeyRow{Qt::Key_Alt, 0xffe9},
    QtKeyRow{Qt::Key_AltGr, 0xfe03},
    QtKeyRow{Qt::Key_CapsLock, 0xffe5},
    QtKeyRow{Qt::Key_NumLock, 0xff7f},
    QtKeyRow{Qt::Key_ScrollLock, 0xff14},
    QtKeyRow{Qt::Key_Menu, 0xff67},
    QtKeyRow{Qt::Key_Henkan, 0xff23},
    QtKeyRow{Qt::Key_Muhenkan, 0xff22},
    QtKeyRow{Qt::Key_Hiragana_Katakana, 0xff27},
    QtKeyRow{Qt::Key_Hiragana, 0xff25},
    QtKeyRow{Qt::Key_Katakana, 0xff26},
    QtKeyRow{Qt::Key_yen, 0xa5},
};

// Keys the keypad modifier turns into keypad keys.
constexpr std::array kKeypadKeys{
    QtKeyRow{Qt::Key_Asterisk, 0xffaa}, QtKeyRow{Qt::Key_Plus, 0xffab},
    QtKeyRow{Qt::Key_Minus, 0xffad},    QtKeyRow{Qt::Key_Period, 0xffae},
    QtKeyRow{Qt::Key_Slash, 0xffaf},    QtKeyRow{Qt::Key_Enter, 0xff8d},
};

// Platforms whose native scan code is an XKB keycode (Linux input code + 8) and whose
// native virtual key is an X11 keysym.
bool HasNativeKeys() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}

}  // namespace

std::uint32_t KeysymOfQtKey(int qtKey, bool keypad) {
    if (keypad) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
            return 0xffb0 + static_cast<std::uint32_t>(qtKey - Qt::Key_0);
        }
        for (const QtKeyRow& row : kKeypadKeys) {
            if (row.qtKey == qtKey) {
                return row.keysym;
            }
        }
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) {
        return 0xffbe + static_cast<std::uint32_t>(qtKey - Qt::Key_F1);
    }
    // Printable keys: Qt and X11 both use the character's Latin-1 code.
    if (qtKey >= Qt::Key_Space && qtKey <= Qt::Key_AsciiTilde) {
        return static_cast<std::uint32_t>(qtKey);
    }
    for (const QtKeyRow& row : kSpecialKeys) {
        if (row.qtKey == qtKey) {
            return row.keysym;
        }
    }
    return 0;
}

std::optional<int> VirtualKeyOf(const QKeyEvent& event) {
    if (HasNativeKeys()) {
        const std::uint32_t keycode = event.nativeScanCode();
        const vk::PlatformKey native{.x11Keysym = event.nativeVirtualKey(),
                                     .evdevCode = keycode > 8 ? keycode - 8 : 0};
        if (auto code = vk::FromPlatformKey(native)) {
            return code;
        }
    }
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    return vk::FromPlatformKey({.x11Keysym = KeysymOfQtKey(event.key(), keypad)});
}

}  // namespace tarn::optara
