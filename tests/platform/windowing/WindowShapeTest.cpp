#include "platform/windowing/WindowShape.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Regions.h"
#include "platform/windowing/WindowRegistry.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace dorvak {
namespace {

TEST(SetWindowRgn, ShapesPaintingAndHitTestingAndTakesTheRegionOver) {
    QWidget form;
    form.setGeometry(200, 200, 100, 80);
    auto* button = new QWidget(&form);
    button->setGeometry(10, 10, 40, 30);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const HWND hWnd = registerWindow(button);

    const HRGN rounded = CreateRoundRectRgn(0, 0, 40, 30, 15, 15);
    ASSERT_EQ(SetWindowRgn(hWnd, rounded, true), 1);
    EXPECT_TRUE(button->mask().contains(QPoint(20, 0)));
    EXPECT_FALSE(button->mask().contains(QPoint(0, 0))) << "the corner is cut off";
    EXPECT_FALSE(DeleteObject(rounded)) << "the window owns its region";

    // A press on the cut-off corner reaches the form, one in the middle the button.
    EXPECT_EQ(QApplication::widgetAt(button->mapToGlobal(QPoint(0, 0))), &form);
    EXPECT_EQ(QApplication::widgetAt(button->mapToGlobal(QPoint(20, 15))), button);

    const HRGN unknown(0x7FFFFFFF);
    EXPECT_EQ(SetWindowRgn(hWnd, unknown, false), 0);
    EXPECT_FALSE(button->mask().contains(QPoint(0, 0))) << "a failed call keeps the shape";
    EXPECT_EQ(SetWindowRgn(HWND(0xBAD), CreateRectRgn(0, 0, 1, 1), false), 0);

    ASSERT_EQ(SetWindowRgn(hWnd, 0, false), 1);
    EXPECT_TRUE(button->mask().isEmpty()) << "no region: the whole widget";
}

TEST(SetWindowRgn, AnEmptyRegionHidesTheWholeWidget) {
    QWidget widget;
    widget.resize(20, 10);
    const HWND hWnd = registerWindow(&widget);
    ASSERT_EQ(SetWindowRgn(hWnd, CreateRectRgn(4, 4, 4, 9), false), 1);
    EXPECT_FALSE(widget.mask().isEmpty()) << "an empty mask would show everything";
    EXPECT_FALSE(widget.mask().intersects(widget.rect()));
}

} // namespace
} // namespace dorvak
