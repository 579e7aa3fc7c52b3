#pragma once

#include <cstdint>

class QWidget;

namespace dorvak {

// Window handles (hWnd) as 32-bit integers. A widget is forgotten when it is destroyed, and
// handles are never reused, so a stale handle finds nothing.
std::uint32_t registerWindow(QWidget* widget);       // the existing handle if already registered
QWidget* windowFromHandle(std::uint32_t hWnd);       // nullptr for a stale or unknown handle
std::uint32_t handleOfWindow(const QWidget* widget); // 0 when not registered

} // namespace dorvak
