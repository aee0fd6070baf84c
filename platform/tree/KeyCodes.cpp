#include "KeyCodes.h"

#include <unordered_map>

namespace platform::tree {

namespace {

int32_t namedKeyCode(int key)
{
    static const std::unordered_map<int, int32_t> codes = {
        {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},     {Qt::Key_Backtab, 9},   {Qt::Key_Return, 13},
        {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},   {Qt::Key_Control, 17},  {Qt::Key_Alt, 18},
        {Qt::Key_Pause, 19},    {Qt::Key_Escape, 27},  {Qt::Key_Space, 32},    {Qt::Key_PageUp, 33},
        {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},     {Qt::Key_Home, 36},     {Qt::Key_Left, 37},
        {Qt::Key_Up, 38},       {Qt::Key_Right, 39},   {Qt::Key_Down, 40},     {Qt::Key_Insert, 45},
        {Qt::Key_Delete, 46},   {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},  {Qt::Key_Minus, 109},
    };
    const auto it = codes.find(key);
    return it != codes.end() ? it->second : 0;
}

} // namespace

int32_t keyCodeOf(const QKeyEvent& event)
{
    const int key = event.key();
    // Letters and digits carry the same numbers in both schemes.
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    return namedKeyCode(key);
}

int32_t keyAsciiOf(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    default: break;
    }
    // Delete gives no character to the key press, as on the design's platform.
    const QString text = event.text();
    return text.isEmpty() || text.at(0).unicode() == 0x7F ? 0 : text.at(0).unicode();
}

int32_t shiftMaskOf(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

int32_t mouseButtonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

} // namespace platform::tree
