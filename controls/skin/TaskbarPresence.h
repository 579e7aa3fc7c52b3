#pragma once

#include <cstdint>

namespace dorvak {

// Gives the window a task-bar button (`show`) or takes it away, by its application-window
// style. The window is hidden while the style changes, and shown again if it was visible.
void SetTaskbarPresence(std::uint32_t hWnd, bool show);

} // namespace dorvak
