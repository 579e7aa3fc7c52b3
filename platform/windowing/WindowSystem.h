#pragma once

#include <QByteArray>

namespace dorvak {

// What the session tells about its window systems, from the environment.
struct SessionEnvironment {
    QByteArray qpaPlatform;    // QT_QPA_PLATFORM: the user's own choice
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
    QByteArray x11Display;     // DISPLAY: an X server, XWayland on a Wayland session
    QByteArray sessionType;    // XDG_SESSION_TYPE

    static SessionEnvironment current();
};

// The Qt platform to run on, empty to leave Qt's own choice. On a Wayland session the program
// runs through XWayland when there is an X server, since only there may it place its windows,
// keep one on top and move the pointer; without one it runs on Wayland itself. The user's own
// QT_QPA_PLATFORM always wins.
QByteArray chosenPlatform(const SessionEnvironment& session);

// Asks Qt for the chosen platform, on X11 to send images through the connection, and under
// sway for floating windows (TilingFloat.h); call before the application object is made.
void chooseWindowSystem();

// Whether the program may move and resize its windows and move the pointer itself. Not on a
// Wayland session, where the compositor alone does, for its XWayland windows too (weston
// ignores their own moves and pointer warps). Needs the application object.
bool canPlaceWindows();

// Whether the program runs on Wayland itself, where no client may place its windows, keep one
// on top or say where a move of its window began. Needs the application object.
bool onWaylandItself();

} // namespace dorvak
