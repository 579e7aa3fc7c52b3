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
    floatWindowsUnderSway();
}

bool canPlaceWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
           !isWaylandSession(SessionEnvironment::current());
}

bool onWaylandItself() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace dorvak
