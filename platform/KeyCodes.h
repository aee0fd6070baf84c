#pragma once
// Keyboard and mouse events in the numbers the windows test them with:
// virtual-key codes (13 Enter, 27 Esc, 37..40 arrows, 46 Delete, 65..90
// letters, 112.. F1..), the character a key press delivers, the shift state
// (1 Shift, 2 Ctrl, 4 Alt) and the mouse buttons (1 left, 2 right, 4 middle).

#include <QKeyEvent>
#include <Qt>
#include <cstdint>

namespace platform::keys {

// The virtual-key code of a Qt key, 0 for a key that has none. The keypad's
// operator keys have codes of their own.
int32_t virtualKeyCode(int qtKey, bool keypad = false);
inline int32_t keyCodeOf(const QKeyEvent& event)
{
    return virtualKeyCode(event.key(), event.modifiers() & Qt::KeypadModifier);
}
// The character code a key press delivers (13 Enter, 27 Esc, 8 Backspace,
// the character otherwise); 0 when the key gives no character.
int32_t keyAsciiOf(const QKeyEvent& event);
int32_t shiftState(Qt::KeyboardModifiers modifiers);
int32_t mouseButtonCode(Qt::MouseButtons buttons);

} // namespace platform::keys
