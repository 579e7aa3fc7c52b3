#pragma once

#include "platform/windowing/UserTypes.h"

class QWidget;

namespace dorvak {

// Window handles (hWnd). A widget is forgotten when it is destroyed, and handles are never
// reused, so a stale handle finds nothing.
HWND registerWindow(QWidget* widget);       // the existing handle if already registered
QWidget* windowFromHandle(HWND hWnd);       // nullptr for a stale or unknown handle
HWND handleOfWindow(const QWidget* widget); // 0 when not registered

} // namespace dorvak
