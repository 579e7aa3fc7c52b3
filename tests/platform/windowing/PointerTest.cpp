#include "platform/windowing/Pointer.h"
#include "platform/windowing/Cursors.h"
#include "platform/windowing/WindowMove.h"
#include "platform/windowing/WindowRegistry.h"
#include "tests/support/Waiting.h"

#include <QApplication>
#include <QCursor>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace dorvak {
namespace {

class ShownForm : public ::testing::Test {
protected:
    void SetUp() override {
        form.setGeometry(300, 200, 200, 150);
        picture = new QWidget(&form);
        picture->setGeometry(0, 0, 200, 30);
        label = new QWidget(picture); // windowless, like a caption label
        label->setGeometry(20, 5, 100, 20);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        formHandle = registerWindow(&form);
        pictureHandle = registerWindow(picture);
    }

    QWidget form;
    QWidget* picture = nullptr;
    QWidget* label = nullptr;
    HWND formHandle = 0;
    HWND pictureHandle = 0;
};

TEST_F(ShownForm, PointerPositionsAndTheWindowUnderThePointer) {
    ASSERT_TRUE(SetCursorPos(330, 210));
    POINT pos;
    ASSERT_TRUE(GetCursorPos(&pos));
    EXPECT_EQ(pos.x, 330);
    EXPECT_EQ(pos.y, 210);

    POINT client = pos;
    ASSERT_TRUE(ScreenToClient(pictureHandle, &client));
    EXPECT_EQ(client.x, 30);
    EXPECT_EQ(client.y, 10);
    EXPECT_FALSE(ScreenToClient(HWND(0xBAD), &client));

    EXPECT_EQ(WindowFromPoint({330, 210}), pictureHandle) << "the label counts as the picture";
    EXPECT_EQ(WindowFromPoint({310, 300}), formHandle);
    EXPECT_EQ(WindowFromPoint({10, 10}), HWND());
}

TEST_F(ShownForm, CaptureGoesToTheWindowUntilReleased) {
    EXPECT_EQ(GetCapture(), HWND());
    EXPECT_EQ(SetCapture(pictureHandle), HWND());
    EXPECT_EQ(QWidget::mouseGrabber(), picture);
    EXPECT_EQ(GetCapture(), pictureHandle);
    EXPECT_EQ(SetCapture(formHandle), pictureHandle) << "returns the previous capture";
    EXPECT_EQ(GetCapture(), formHandle);
    ASSERT_TRUE(ReleaseCapture());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(GetCapture(), HWND());
    SetCapture(HWND(0xBAD));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(ShownForm, AModalWindowTakesTheCaptureFromTheWindowsItBlocks) {
    SetCapture(pictureHandle);
    ASSERT_EQ(GetCapture(), pictureHandle);
    QWidget dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    EXPECT_TRUE(waitFor([] { return GetCapture() == 0; }, 2000))
        << "the grab would keep the mouse from the modal window";
}

TEST_F(ShownForm, LeftButtonStateIsNegativeWhileDown) {
    EXPECT_EQ(GetAsyncKeyState(VK_LBUTTON), 0);
    QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_LT(GetAsyncKeyState(VK_LBUTTON), 0);
    EXPECT_EQ(GetAsyncKeyState(VK_RBUTTON), 0);
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(GetAsyncKeyState(VK_LBUTTON), 0);
}

TEST_F(ShownForm, HandCursorShowsUntilThePointerLeaves) {
    picture->setCursor(Qt::SizeVerCursor);
    SetCursorPos(450, 215); // over the picture box, outside the label
    const HCURSOR hand = LoadCursorA(nullptr, IDC_HAND);
    ASSERT_NE(hand, HCURSOR());
    EXPECT_EQ(LoadCursorA(nullptr, 12345), HCURSOR());

    EXPECT_EQ(SetCursor(hand), HCURSOR());
    EXPECT_EQ(picture->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(SetCursor(hand), hand) << "returns what it replaced";

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(picture, &leave);
    EXPECT_EQ(picture->cursor().shape(), Qt::SizeVerCursor) << "its own cursor is back";
}

TEST_F(ShownForm, CaptionDragMovesTheWindowUntilTheButtonIsReleased) {
    const QPoint start = form.pos();
    const QPoint pressed = picture->mapToGlobal(QPoint(50, 10));
    QCursor::setPos(pressed);
    QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(50, 10));
    // The drag starts once the pointer has gone a first step; the window still follows the
    // whole way from the press.
    QCursor::setPos(pressed + QPoint(3, 2));

    // The drag happens while SendMessageA waits inside its own loop.
    QTimer::singleShot(0, picture, [&] {
        QCursor::setPos(pressed + QPoint(40, 25));
        QTest::mouseMove(picture, QPoint(90, 35));
        QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(90, 35));
    });
    const std::intptr_t at = MAKELPARAM(pressed.x(), pressed.y());
    EXPECT_EQ(SendMessageA(formHandle, WM_NCLBUTTONDOWN, HTCAPTION, at), 0);
    EXPECT_EQ(form.pos(), start + QPoint(40, 25));
    EXPECT_EQ(GetAsyncKeyState(VK_LBUTTON), 0);

    // Without the button down there is nothing to drag: returns at once.
    EXPECT_EQ(SendMessageA(formHandle, WM_NCLBUTTONDOWN, HTCAPTION, at), 0);
    EXPECT_EQ(SendMessageA(formHandle, WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, at), 0);
    EXPECT_EQ(form.pos(), start + QPoint(40, 25));
    // Screen points off the top-left of the screen survive the packing.
    EXPECT_EQ(GET_X_LPARAM(MAKELPARAM(-3, 700)), -3);
    EXPECT_EQ(GET_Y_LPARAM(MAKELPARAM(-3, 700)), 700);
    EXPECT_EQ(GET_Y_LPARAM(MAKELPARAM(1200, -40)), -40);
}

} // namespace
} // namespace dorvak
