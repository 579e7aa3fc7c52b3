#include "platform/windowing/WindowRegistry.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace dorvak {
namespace {

TEST(WindowRegistry, HandlesFindTheirWidgetUntilItIsDestroyed) {
    auto first = std::make_unique<QWidget>();
    QWidget second;
    const std::uint32_t handle = registerWindow(first.get());
    const std::uint32_t otherHandle = registerWindow(&second);

    EXPECT_NE(handle, 0u);
    EXPECT_NE(handle, otherHandle);
    EXPECT_EQ(registerWindow(first.get()), handle) << "registering twice keeps the handle";
    EXPECT_EQ(windowFromHandle(handle), first.get());
    EXPECT_EQ(handleOfWindow(&second), otherHandle);

    first.reset();
    EXPECT_EQ(windowFromHandle(handle), nullptr);
    EXPECT_EQ(windowFromHandle(otherHandle), &second);

    const std::uint32_t newer = registerWindow(new QWidget(&second));
    EXPECT_NE(newer, handle) << "a stale handle is never handed out again";
    EXPECT_EQ(windowFromHandle(0), nullptr);
    EXPECT_EQ(handleOfWindow(nullptr), 0u);
}

} // namespace
} // namespace dorvak
