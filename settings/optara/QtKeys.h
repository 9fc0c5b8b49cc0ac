// Qt key events to virtual-key codes, through the shared platform key table.
#pragma once

#include <cstdint>
#include <optional>

class QKeyEvent;

namespace tarn::optara {

// The X11 keysym of a Qt key (keypad says whether the keypad modifier was set), 0 when
// the key has none. Used where the platform reports no native key (offscreen, tests).
std::uint32_t KeysymOfQtKey(int qtKey, bool keypad);

// The virtual-key code of a key event: from the native key where the platform gives one
// (X11 keycode and keysym), otherwise from the Qt key.
std::optional<int> VirtualKeyOf(const QKeyEvent& event);

}  // namespace tarn::optara
