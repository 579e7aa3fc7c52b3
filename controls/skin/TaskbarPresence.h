#pragma once

#include "platform/windowing/UserTypes.h"

namespace dorvak {

// Gives the window a task-bar button (`show`) or takes it away, by its application-window
// style. The window is hidden while the style changes, and shown again if it was visible.
void SetTaskbarPresence(HWND hWnd, bool show);

} // namespace dorvak
