#pragma once

#include "platform/windowing/UserTypes.h"

#include <cstdint>

namespace dorvak {

// Only WM_NCLBUTTONDOWN is understood. With HTCAPTION, while the left button is held, the
// window under hWnd moves with the pointer, by the window system's own move where it offers
// one, so that the point pressed stays under the pointer: the held press as the window system
// reported it, else lParam (the press's screen position, MAKELPARAM; 0: where the pointer is). With
// a sizing code (HTLEFT … HTBOTTOMRIGHT) the window system resizes it from those edges where it
// offers that, from the same point, and nothing happens otherwise. The call returns when the button
// is released. Always returns 0, as the message does.
std::intptr_t SendMessageA(HWND hWnd, unsigned message, std::uintptr_t wParam,
                           std::intptr_t lParam);

} // namespace dorvak
