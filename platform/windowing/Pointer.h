#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/windowing/UserTypes.h"

#include <cstdint>

namespace dorvak {

// The pointer, in device-independent screen pixels, and mouse capture.

bool GetCursorPos(POINT* position);
bool SetCursorPos(int x, int y);
bool ScreenToClient(HWND hWnd, POINT* point);
// The registered window under the point: the widget there or its nearest registered
// ancestor (a label inside a picture box counts as the picture box); 0 if none.
HWND WindowFromPoint(POINT point);

// All mouse input goes to the window until released. Returns the previous capture.
HWND SetCapture(HWND hWnd);
bool ReleaseCapture();
HWND GetCapture();

// Negative while the key is down. Only the mouse buttons and Shift, Ctrl and Alt can be
// read; any other key reads as up.
std::int16_t GetAsyncKeyState(int virtualKey);

} // namespace dorvak
