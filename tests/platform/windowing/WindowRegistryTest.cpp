#include "platform/windowing/WindowRegistry.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace dorvak {
namespace {

TEST(WindowRegistry, HandlesFindTheirWidgetUntilItIsDestroyed) {
    auto first = std::make_unique<QWidget>();
    QWidget second;
    const HWND handle = registerWindow(first.get());
    const HWND otherHandle = registerWindow(&second);

    EXPECT_NE(handle, HWND());
    EXPECT_NE(handle, otherHandle);
    EXPECT_EQ(registerWindow(first.get()), handle) << "registering twice keeps the handle";
    EXPECT_EQ(windowFromHandle(handle), first.get());
    EXPECT_EQ(handleOfWindow(&second), otherHandle);

    first.reset();
    EXPECT_EQ(windowFromHandle(handle), nullptr);
    EXPECT_EQ(windowFromHandle(otherHandle), &second);

    const HWND newer = registerWindow(new QWidget(&second));
    EXPECT_NE(newer, handle) << "a stale handle is never handed out again";
    EXPECT_EQ(windowFromHandle(0), nullptr);
    EXPECT_EQ(handleOfWindow(nullptr), HWND());
}

} // namespace
} // namespace dorvak
