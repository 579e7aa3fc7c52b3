#include "platform/windowing/WindowSystem.h"

#include <gtest/gtest.h>

namespace dorvak {
namespace {

TEST(WindowSystem, AWaylandSessionRunsThroughXWaylandUnlessTheUserChoseOrThereIsNone) {
    struct Case {
        SessionEnvironment session;
        QByteArray platform;
    };
    for (const Case& test : {
             Case{{"", "", ":0", "x11"}, ""},                   // X11: Qt's own choice
             Case{{"", "wayland-0", ":0", "wayland"}, "xcb"},   // XWayland is there
             Case{{"", "wayland-0", ":1", ""}, "xcb"},          // told by the socket alone
             Case{{"", "", ":1", "wayland"}, "xcb"},            // or by the session type alone
             Case{{"", "wayland-0", "", "wayland"}, "wayland"}, // no X server
             Case{{"", "wayland-0", "", ""}, "wayland"},
             Case{{"wayland", "wayland-0", ":0", "wayland"}, ""}, // the user's choice wins
             Case{{"offscreen", "wayland-0", ":0", "wayland"}, ""},
             Case{{"", "", "", ""}, ""},
         }) {
        EXPECT_EQ(chosenPlatform(test.session), test.platform)
            << test.session.qpaPlatform.constData() << "|"
            << test.session.waylandDisplay.constData() << "|" << test.session.x11Display.constData()
            << "|" << test.session.sessionType.constData();
    }
}

TEST(WindowSystem, OnAWaylandSessionTheCompositorPlacesEvenXWaylandWindows) {
    const QByteArray socket = qgetenv("WAYLAND_DISPLAY");
    const QByteArray session = qgetenv("XDG_SESSION_TYPE");
    qunsetenv("WAYLAND_DISPLAY");
    qputenv("XDG_SESSION_TYPE", "x11");
    EXPECT_TRUE(canPlaceWindows());
    qputenv("WAYLAND_DISPLAY", "wayland-0");
    EXPECT_FALSE(canPlaceWindows());
    qunsetenv("WAYLAND_DISPLAY");
    qputenv("XDG_SESSION_TYPE", "wayland");
    EXPECT_FALSE(canPlaceWindows());
    qputenv("WAYLAND_DISPLAY", socket);
    qputenv("XDG_SESSION_TYPE", session);
}

} // namespace
} // namespace dorvak
