#pragma once

#include "platform/windowing/UserTypes.h"

#include <cstdint>

namespace dorvak {

// Window state over Qt: the extended style, layered opacity, showing and z-order. Each
// returns 0 / false for an unknown window handle.

// Only GWL_EXSTYLE is kept: WS_EX_LAYERED enables SetLayeredWindowAttributes (clearing it
// makes the window opaque again); WS_EX_APPWINDOW is kept as given, since a top-level Qt
// window has its task-bar button anyway. SetWindowLongA returns the previous value.
std::int32_t GetWindowLongA(HWND hWnd, int index);
std::int32_t SetWindowLongA(HWND hWnd, int index, std::int32_t value);

// LWA_ALPHA as the opacity of a layered top-level window; a colour key is not supported.
bool SetLayeredWindowAttributes(HWND hWnd, std::uint32_t colorKey, std::uint8_t alpha,
                                unsigned flags);

// Returns whether the window was visible before.
bool ShowWindow(HWND hWnd, int command);

// HWND_TOPMOST / HWND_NOTOPMOST as the stays-on-top hint (a visible window stays shown, and
// a hint already in place is left alone; on Wayland itself, which keeps nothing on top, the
// window is shown afresh, in front, whenever another program takes the focus), HWND_TOP /
// HWND_BOTTOM as raise / lower; moves and sizes in pixels unless SWP_NOMOVE / SWP_NOSIZE;
// SWP_SHOWWINDOW, SWP_HIDEWINDOW and SWP_NOACTIVATE as their names say.
bool SetWindowPos(HWND hWnd, HWND insertAfter, int x, int y, int width, int height, unsigned flags);

} // namespace dorvak
