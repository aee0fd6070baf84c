#pragma once
// Keyboard and mouse events in the terms the selection dialogs test them:
// key codes as the design's (13 Enter, 27 Esc, 37..40 arrows, 65..90 letters,
// 112.. F1..), a shift mask 1 Shift, 2 Ctrl, 4 Alt, and mouse buttons
// 1 left, 2 right, 4 middle.

#include <QKeyEvent>
#include <Qt>
#include <cstdint>

namespace platform::tree {

// 0 for a key without a code.
int32_t keyCodeOf(const QKeyEvent& event);
// The character code a key press delivers (13 Enter, 27 Esc, 8 Backspace,
// the character otherwise); 0 when the key gives no character.
int32_t keyAsciiOf(const QKeyEvent& event);
int32_t shiftMaskOf(Qt::KeyboardModifiers modifiers);
int32_t mouseButtonOf(Qt::MouseButton button);

} // namespace platform::tree
