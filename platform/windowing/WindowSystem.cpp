#include "platform/windowing/WindowSystem.h"

#include "platform/windowing/TilingFloat.h"

#include <QGuiApplication>

namespace dorvak {
namespace {

bool isWaylandSession(const SessionEnvironment& session) {
    return !session.waylandDisplay.isEmpty() || session.sessionType == "wayland";
}

} // namespace

SessionEnvironment SessionEnvironment::current() {
    return {qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"),
            qgetenv("XDG_SESSION_TYPE")};
}

QByteArray chosenPlatform(const SessionEnvironment& session) {
    if (!session.qpaPlatform.isEmpty() || !isWaylandSession(session))
        return {};
    return session.x11Display.isEmpty() ? QByteArrayLiteral("wayland") : QByteArrayLiteral("xcb");
}

void chooseWindowSystem() {
    if (const QByteArray platform = chosenPlatform(SessionEnvironment::current());
        !platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    // On X11, images go to the server through the connection, not through shared memory: Qt
    // waits for the server before it repaints a region it last sent through shared memory, a
    // round trip that wakes two threads for every tick of a clock. The repaints of an idle
    // window are small, and cheaper so; a whole window takes a millisecond or two more.
    qputenv("QT_XCB_NO_MITSHM", "1");
    floatWindowsUnderSway();
}

bool onWaylandItself() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool canPlaceWindows() {
    return !onWaylandItself() && !isWaylandSession(SessionEnvironment::current());
}

} // namespace dorvak
