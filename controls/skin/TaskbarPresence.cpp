#include "controls/skin/TaskbarPresence.h"

#include "platform/windowing/WindowStyle.h"

namespace dorvak {

void SetTaskbarPresence(HWND hWnd, bool show) {
    // A window not shown yet stays hidden: its Show() places and shows it.
    const bool wasVisible = ShowWindow(hWnd, SW_HIDE);
    std::int32_t style = GetWindowLongA(hWnd, GWL_EXSTYLE);
    if (show)
        style |= WS_EX_APPWINDOW;
    else
        style &= ~WS_EX_APPWINDOW;
    SetWindowLongA(hWnd, GWL_EXSTYLE, style);
    if (wasVisible)
        ShowWindow(hWnd, SW_SHOWNORMAL);
}

} // namespace dorvak
