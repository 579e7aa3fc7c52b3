#pragma once

#include "platform/windowing/UserTypes.h"

#include <cstdint>

namespace dorvak {

// Only WM_NCLBUTTONDOWN with HTCAPTION is understood: while the left button is held, the
// window under hWnd moves with the pointer, by the window system's own move where it offers
// one; the call returns when the button is released. Always returns 0, as the message does.
std::intptr_t SendMessageA(HWND hWnd, unsigned message, std::uintptr_t wParam,
                           std::intptr_t lParam);

} // namespace dorvak
