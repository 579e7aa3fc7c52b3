#include "platform/windowing/ToolWindowFrame.h"

#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace dorvak {
namespace {

QRgb pixelAt(QWidget& widget, QPoint at) {
    return widget.grab().toImage().pixel(at);
}

TEST(ToolWindowFrame, HoldsItsWindowUnderATitleBarWithACloseButtonOnly) {
    auto* client = new QWidget;
    client->setWindowTitle(QStringLiteral("Velto"));
    client->resize(200, 50);
    QPointer<ToolWindowFrame> frame = new ToolWindowFrame(client);

    EXPECT_EQ(ToolWindowFrame::windowOf(client), frame.data());
    EXPECT_EQ(client->pos(), QPoint(1, 21));
    EXPECT_EQ(frame->size(), QSize(202, 72));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Velto"));
    client->setWindowTitle(QStringLiteral("Şafak"));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Şafak"));
    client->resize(300, 40);
    client->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame)) << "showing the window shows its frame";
    EXPECT_EQ(frame->size(), QSize(302, 62)) << "the frame takes its size from its window";
    client->resize(300, 44);
    EXPECT_EQ(frame->size(), QSize(302, 66));

    // The drawing: a dark border, the bar's gradient from its left end, a raised button with
    // the cross's first pixel where it belongs.
    const QRect button = frame->closeButton();
    EXPECT_EQ(button, QRect(282, 4, 16, 14));
    EXPECT_EQ(pixelAt(*frame, {0, 0}), qRgb(0x40, 0x40, 0x40));
    EXPECT_EQ(pixelAt(*frame, {1, 1}),
              frame->isActiveWindow() ? qRgb(0x0a, 0x24, 0x6a) : qRgb(0x80, 0x80, 0x80));
    EXPECT_EQ(pixelAt(*frame, button.topLeft()), qRgb(0xff, 0xff, 0xff));
    EXPECT_EQ(pixelAt(*frame, button.topLeft() + QPoint(4, 3)), qRgb(0, 0, 0));
    EXPECT_EQ(pixelAt(*frame, button.bottomRight()), qRgb(0x40, 0x40, 0x40));

    // A press on the button that leaves it before the release closes nothing.
    QTest::mousePress(frame, Qt::LeftButton, {}, button.center());
    EXPECT_EQ(pixelAt(*frame, button.topLeft()), qRgb(0x40, 0x40, 0x40)) << "sunken";
    QTest::mouseMove(frame, button.center() - QPoint(40, 0));
    QTest::mouseRelease(frame, Qt::LeftButton, {}, button.center() - QPoint(40, 0));
    EXPECT_TRUE(client->isVisible());
    QTest::mouseClick(frame, Qt::LeftButton, {}, button.center());
    EXPECT_FALSE(frame->isVisible()) << "closed from its button, the window hides with its frame";

    EXPECT_EQ(ToolWindowFrame::windowOf(frame), frame.data());
    delete client;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame.isNull()) << "the frame ends with its window";
}

} // namespace
} // namespace dorvak
