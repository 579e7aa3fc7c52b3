#pragma once

#include "platform/gdi/Handle.h"

#include <cstdint>

namespace dorvak {

// The classic USER types and constants, so that control code reads as the calls it makes.
struct WindowTag {};
struct CursorTag {};
using HWND = Handle<WindowTag>;
using HCURSOR = Handle<CursorTag>;

inline constexpr HWND HWND_TOP = 0;
inline constexpr HWND HWND_BOTTOM = HWND(1);
inline constexpr HWND HWND_TOPMOST = HWND(std::uint32_t(-1));
inline constexpr HWND HWND_NOTOPMOST = HWND(std::uint32_t(-2));

inline constexpr unsigned SWP_NOSIZE = 0x1;
inline constexpr unsigned SWP_NOMOVE = 0x2;
inline constexpr unsigned SWP_NOZORDER = 0x4;
inline constexpr unsigned SWP_NOACTIVATE = 0x10;
inline constexpr unsigned SWP_SHOWWINDOW = 0x40;
inline constexpr unsigned SWP_HIDEWINDOW = 0x80;

inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_SHOWMAXIMIZED = 3;
inline constexpr int SW_SHOWNOACTIVATE = 4;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_MINIMIZE = 6;
inline constexpr int SW_SHOWMINNOACTIVE = 7;
inline constexpr int SW_SHOWNA = 8;
inline constexpr int SW_RESTORE = 9;

inline constexpr int GWL_EXSTYLE = -20;
inline constexpr std::int32_t WS_EX_APPWINDOW = 0x40000;
inline constexpr std::int32_t WS_EX_LAYERED = 0x80000;
inline constexpr unsigned LWA_COLORKEY = 0x1;
inline constexpr unsigned LWA_ALPHA = 0x2;

inline constexpr unsigned WM_NCLBUTTONDOWN = 0xA1;
// A screen point as a mouse message's lParam: x in the low word, y in the high one, signed.
inline constexpr std::intptr_t MAKELPARAM(int x, int y) {
    return std::intptr_t(std::uint32_t(std::uint16_t(x)) | std::uint32_t(std::uint16_t(y)) << 16);
}
inline constexpr int GET_X_LPARAM(std::intptr_t lParam) {
    return std::int16_t(lParam & 0xFFFF);
}
inline constexpr int GET_Y_LPARAM(std::intptr_t lParam) {
    return std::int16_t(lParam >> 16 & 0xFFFF);
}

inline constexpr std::uintptr_t HTCAPTION = 2;
inline constexpr std::uintptr_t HTLEFT = 10;
inline constexpr std::uintptr_t HTRIGHT = 11;
inline constexpr std::uintptr_t HTTOP = 12;
inline constexpr std::uintptr_t HTTOPLEFT = 13;
inline constexpr std::uintptr_t HTTOPRIGHT = 14;
inline constexpr std::uintptr_t HTBOTTOM = 15;
inline constexpr std::uintptr_t HTBOTTOMLEFT = 16;
inline constexpr std::uintptr_t HTBOTTOMRIGHT = 17;

inline constexpr int VK_LBUTTON = 0x01;
inline constexpr int VK_RBUTTON = 0x02;
inline constexpr int VK_MBUTTON = 0x04;
inline constexpr int VK_SHIFT = 0x10;
inline constexpr int VK_CONTROL = 0x11;
inline constexpr int VK_MENU = 0x12;

inline constexpr std::uint32_t IDC_ARROW = 32512;
inline constexpr std::uint32_t IDC_IBEAM = 32513;
inline constexpr std::uint32_t IDC_WAIT = 32514;
inline constexpr std::uint32_t IDC_CROSS = 32515;
inline constexpr std::uint32_t IDC_SIZENWSE = 32642;
inline constexpr std::uint32_t IDC_SIZENESW = 32643;
inline constexpr std::uint32_t IDC_SIZEWE = 32644;
inline constexpr std::uint32_t IDC_SIZENS = 32645;
inline constexpr std::uint32_t IDC_SIZEALL = 32646;
inline constexpr std::uint32_t IDC_NO = 32648;
inline constexpr std::uint32_t IDC_HAND = 32649;

} // namespace dorvak
