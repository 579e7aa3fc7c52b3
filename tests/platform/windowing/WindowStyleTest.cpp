#include "platform/windowing/WindowStyle.h"
#include "platform/windowing/WindowRegistry.h"

#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

namespace dorvak {
namespace {

class ShowCounter : public QObject {
public:
    int shows = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

TEST(LayeredWindow, AlphaBecomesTheWindowOpacityOnlyWhileLayered) {
    QWidget form;
    const HWND hWnd = registerWindow(&form);

    EXPECT_FALSE(SetLayeredWindowAttributes(hWnd, 0, 217, LWA_ALPHA)) << "not layered yet";
    EXPECT_EQ(form.windowOpacity(), 1.0);

    const std::int32_t style = GetWindowLongA(hWnd, GWL_EXSTYLE);
    EXPECT_EQ(SetWindowLongA(hWnd, GWL_EXSTYLE, style | WS_EX_LAYERED), style);
    EXPECT_EQ(GetWindowLongA(hWnd, GWL_EXSTYLE), style | WS_EX_LAYERED);
    ASSERT_TRUE(SetLayeredWindowAttributes(hWnd, 0x00F0F0F0, 217, LWA_ALPHA));
    EXPECT_NEAR(form.windowOpacity(), 217 / 255.0, 0.002);
    ASSERT_TRUE(SetLayeredWindowAttributes(hWnd, 0, 0, LWA_ALPHA));
    EXPECT_EQ(form.windowOpacity(), 0.0) << "invisible but still layered";
    EXPECT_FALSE(SetLayeredWindowAttributes(hWnd, 0, 128, LWA_COLORKEY));

    SetWindowLongA(hWnd, GWL_EXSTYLE, WS_EX_APPWINDOW);
    EXPECT_EQ(GetWindowLongA(hWnd, GWL_EXSTYLE), WS_EX_APPWINDOW);
    EXPECT_EQ(form.windowOpacity(), 1.0) << "dropping the layered style makes it opaque";

    auto* child = new QWidget(&form);
    const HWND childHandle = registerWindow(child);
    SetWindowLongA(childHandle, GWL_EXSTYLE, WS_EX_LAYERED);
    EXPECT_FALSE(SetLayeredWindowAttributes(childHandle, 0, 10, LWA_ALPHA))
        << "only top-level windows are layered";
    EXPECT_EQ(GetWindowLongA(HWND(0xBAD), GWL_EXSTYLE), 0);
    EXPECT_EQ(GetWindowLongA(hWnd, -16), 0) << "other indexes are not kept";
}

TEST(SetWindowPos, TopmostIsTheStaysOnTopHintAndRepeatingItDoesNotReshow) {
    QWidget form;
    form.setGeometry(50, 60, 120, 90);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const HWND hWnd = registerWindow(&form);
    ShowCounter counter;
    form.installEventFilter(&counter);

    constexpr unsigned flags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW;
    const QWindow* nativeWindow = form.windowHandle();
    ASSERT_TRUE(SetWindowPos(hWnd, HWND_TOPMOST, 0, 0, 0, 0, flags));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(form.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    // The same window, never hidden: others (a window manager, a test) keep knowing it.
    EXPECT_EQ(form.windowHandle(), nativeWindow);
    EXPECT_EQ(counter.shows, 0);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.geometry(), QRect(50, 60, 120, 90));
    const int showsAfterFirst = counter.shows;

    // The start-up window asks again on every activation: nothing must flicker or loop.
    SetWindowPos(hWnd, HWND_TOPMOST, 0, 0, 0, 0, flags);
    EXPECT_EQ(counter.shows, showsAfterFirst);

    SetWindowPos(hWnd, HWND_NOTOPMOST, 0, 0, 0, 0, flags);
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(form.isVisible());

    SetWindowPos(hWnd, HWND_TOP, 10, 20, 200, 100, SWP_NOZORDER);
    EXPECT_EQ(form.pos(), QPoint(10, 20));
    EXPECT_EQ(form.size(), QSize(200, 100));
    EXPECT_FALSE(SetWindowPos(HWND(0xBAD), HWND_TOPMOST, 0, 0, 0, 0, flags));
}

TEST(ShowWindow, HidesShowsAndReportsThePreviousVisibility) {
    QWidget form;
    const HWND hWnd = registerWindow(&form);
    EXPECT_FALSE(ShowWindow(hWnd, SW_SHOWNORMAL));
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(ShowWindow(hWnd, SW_HIDE));
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(ShowWindow(hWnd, SW_SHOWMAXIMIZED));
    EXPECT_TRUE(form.isMaximized());
    EXPECT_TRUE(ShowWindow(hWnd, SW_RESTORE));
    EXPECT_FALSE(form.isMaximized());
    EXPECT_FALSE(ShowWindow(HWND(0xBAD), SW_SHOW));
}

} // namespace
} // namespace dorvak
