#pragma once

#include <QtCore/qnamespace.h>
#include <cstdint>

class QKeyEvent;

namespace dorvak {

// The classic runtime's codes for mouse buttons, modifier keys and keys, which event
// handlers receive.

// 1 left, 2 right, 4 middle; several bits for the buttons held during a move.
std::int16_t mouseButtonCode(Qt::MouseButtons buttons);
// 1 Shift, 2 Ctrl, 4 Alt.
std::int16_t shiftCode(Qt::KeyboardModifiers modifiers);
// Virtual key code: 13 Enter, 32 Space, 65-90 letters, 48-57 digits, 37-40 arrows, ...
// 0 for a key without one.
std::int16_t keyCode(const QKeyEvent& event);
// The character typed, 0 when the key types none.
std::int16_t keyAscii(const QKeyEvent& event);

} // namespace dorvak
