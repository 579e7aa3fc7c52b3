// Pointer shapes, edge grips, and the caption buttons driven by simulated input.
#include "SkinTestSupport.h"

#include "controls/skin/EdgeGrips.h"
#include "controls/skin/PointerShapes.h"
#include "platform/forms/Label.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/Timer.h"
#include "platform/gdi/Surface.h"
#include "platform/windowing/UserTypes.h"
#include "tests/support/Waiting.h"

#include <QCursor>
#include <QDeadlineTimer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace dorvak {
namespace {

TEST(SkinPointerShapes, EachZoneOfTheHostHasItsShape) {
    // A 600 × 400-pixel host under a 390-twip title bar; edge zones of 75 twips.
    const PointerZones zones{9000, 6000, 9000, 390, 75, 75};
    struct Case {
        double x;
        double y;
        std::int16_t pointer;
    };
    for (const Case& test : {
             Case{4000, 3000, PointerDefault}, // the client area
             Case{74, 3000, PointerSizeWe},    // left edge
             Case{75, 3000, PointerDefault},
             Case{8851, 3000, PointerSizeWe}, // the right zone is twice as wide
             Case{8850, 3000, PointerDefault}, Case{4000, 5926, PointerSizeNs}, // bottom edge
             Case{4000, 29, PointerSizeNs},   // top: 30 twips for the shape
             Case{4000, 200, PointerDefault}, // over the title bar
             Case{20, 20, PointerSizeNwSe},   // top-left corner
             Case{8900, 5950, PointerSizeNwSe}, Case{20, 5950, PointerSizeNeSw},
             Case{8900, 20, PointerSizeNeSw},
             Case{20, 200, PointerSizeWe}, // the left edge beside the title bar
         }) {
        EXPECT_EQ(pointerShapeAt(zones, test.x, test.y, false, PointerMove), test.pointer)
            << test.x << "," << test.y;
    }
    // With the left button down a point in no zone keeps the pointer it has.
    EXPECT_EQ(pointerShapeAt(zones, 4000, 3000, true, PointerSizeWe), PointerSizeWe);
    EXPECT_EQ(pointerShapeAt(zones, 4000, 200, true, PointerSizeWe), PointerDefault);
}

TEST(SkinEdgeGrips, PressesGripTheEdgesAndResizingKeepsAMinimumSize) {
    const QSizeF zone(75, 75);
    const QSizeF size(9000, 6000);
    EXPECT_FALSE(gripsAt({4000, 3000}, size, zone).any());
    const EdgeGrips corner = gripsAt({8950, 5950}, size, zone);
    EXPECT_TRUE(corner.right && corner.bottom);
    EXPECT_EQ(corner.leftStartWidth, 0);
    const EdgeGrips left = gripsAt({30, 3000}, size, zone);
    EXPECT_EQ(left.leftStartWidth, 9000);
    EXPECT_FALSE(left.right);
    // The right grip is the edge zone itself, narrower than the pointer's sizing zone.
    EXPECT_FALSE(gripsAt({8900, 3000}, size, zone).right);

    // Where the compositor resizes, it is told the gripped edges.
    EXPECT_EQ(sizingHitCode(corner), HTBOTTOMRIGHT);
    EXPECT_EQ(sizingHitCode(left), HTLEFT);
    EXPECT_EQ(sizingHitCode(gripsAt({30, 10}, size, zone)), HTTOPLEFT);
    EXPECT_EQ(sizingHitCode(gripsAt({8950, 10}, size, zone)), HTTOPRIGHT);
    EXPECT_EQ(sizingHitCode(gripsAt({30, 5950}, size, zone)), HTBOTTOMLEFT);
    EXPECT_EQ(sizingHitCode(gripsAt({4000, 10}, size, zone)), HTTOP);
    EXPECT_EQ(sizingHitCode(gripsAt({4000, 5950}, size, zone)), HTBOTTOM);
    EXPECT_EQ(sizingHitCode(gripsAt({8950, 3000}, size, zone)), HTRIGHT);
    EXPECT_EQ(sizingHitCode(gripsAt({4000, 3000}, size, zone)), 0u);

    // The pointer goes onto the outermost pixel of each gripped edge.
    const QSizeF pixel(15, 15);
    const QRectF frame(15000, 9000, 9000, 6000);
    EXPECT_EQ(snappedPointer(corner, frame, {8950, 5950}, pixel), QPointF(23985, 14985));
    EXPECT_EQ(snappedPointer(left, frame, {30, 3000}, pixel), QPointF(15000, 12000));

    // A corner gripped without moving the pointer leaves the frame as it was: each snap keeps
    // the other axis's, so the corner is under the pointer and the opposite one stays.
    for (const QPointF at :
         {QPointF(30, 40), QPointF(8950, 40), QPointF(30, 5950), QPointF(8950, 5950)}) {
        const EdgeGrips grips = gripsAt(at, size, zone);
        const QPointF snapped = snappedPointer(grips, frame, at, pixel);
        EXPECT_EQ(resizedFrame(grips, frame, snapped, snapped, zone, pixel), frame)
            << at.x() << "," << at.y();
    }

    // Dragging the bottom-right corner follows the pointer.
    EXPECT_EQ(resizedFrame(corner, frame, {23985, 14985}, {25485, 16485}, zone, pixel),
              QRectF(15000, 9000, 10500, 7500));
    // Dragging the left edge right moves it while the right edge stays...
    EXPECT_EQ(resizedFrame(left, frame, {15000, 12000}, {21000, 12000}, zone, pixel),
              QRectF(21000, 9000, 3000, 6000));
    // ...until the window would be 10 pixels wide or less: then nothing changes.
    EXPECT_EQ(resizedFrame(left, frame, {15000, 12000}, {23850, 12000}, zone, pixel), frame);
    EXPECT_EQ(resizedFrame(left, frame, {15000, 12000}, {23849, 12000}, zone, pixel),
              QRectF(23849, 9000, 151, 6000));
    const EdgeGrips top = gripsAt({4000, 10}, size, zone);
    EXPECT_EQ(resizedFrame(top, frame, {19000, 9000}, {19000, 7000}, zone, pixel),
              QRectF(15000, 7000, 9000, 8000));
}

// Drives the caption with the pointer at a point of the caption label, in its pixels.
class CaptionInput : public ::testing::Test {
protected:
    CaptionInput() {
        host.form().move(100, 100);
        host.form().show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&host.form()));
    }

    Label& caption() { return *host.skin().captionLabel(); }
    // The label starts 75 twips right of the title bar, so its coordinates hit the buttons
    // drawn at W − 1485 … W − 105.
    QPoint onMinimise() { return {520, 10}; }
    QPoint onClose() { return {588, 10}; }
    QPoint onCaption() { return {200, 10}; }

    void move(QPoint at, Qt::MouseButtons held = {}) {
        QCursor::setPos(caption().mapToGlobal(at));
        QMouseEvent event(QEvent::MouseMove, at, caption().mapToGlobal(at), Qt::NoButton, held,
                          Qt::NoModifier);
        QApplication::sendEvent(&caption(), &event);
    }

    SkinHost host;
};

TEST_F(CaptionInput, PressDragOffAndReleaseDoesNothing) {
    move(onMinimise());
    EXPECT_TRUE(host.skin().buttonFlags().MinimiseHover);
    QTest::mousePress(&caption(), Qt::LeftButton, {}, onMinimise());
    EXPECT_TRUE(host.skin().buttonFlags().MinimisePressed);
    move(onCaption(), Qt::LeftButton);
    EXPECT_FALSE(host.skin().buttonFlags().MinimiseHover);
    EXPECT_FALSE(host.skin().buttonFlags().MinimisePressed);
    QTest::mouseRelease(&caption(), Qt::LeftButton, {}, onCaption());
    EXPECT_EQ(host.form().WindowState(), 0);
    EXPECT_FALSE(host.formUnloaded());
}

TEST_F(CaptionInput, ARightButtonReleaseOverAHoveredCloseCloses) {
    move(onClose());
    EXPECT_TRUE(host.skin().buttonFlags().CloseHover);
    QTest::mouseRelease(&caption(), Qt::RightButton, {}, onClose());
    EXPECT_TRUE(host.formUnloaded());
    EXPECT_TRUE(host.skin().isClosing());
    EXPECT_FALSE(host.skin().pointerTimer()->Enabled());
}

TEST_F(CaptionInput, TheHiddenMaximiseButtonTracksButDoesNothing) {
    // The saved skin hides the maximise button.
    const QPoint onMaximise(560, 10);
    move(onMaximise);
    EXPECT_TRUE(host.skin().buttonFlags().MaximiseHover);
    QTest::mouseClick(&caption(), Qt::LeftButton, {}, onMaximise);
    EXPECT_EQ(host.form().WindowState(), 0);
}

TEST_F(CaptionInput, ThePollingTimerShowsHoverAndClearsItOnceThePointerLeaves) {
    const ColourScheme& colours = host.skin().colours();
    const QImage& bar = host.skin().titleBar()->surface().image();
    const QPoint closeFace(615 - 33, 7); // W − 495, upper face
    EXPECT_EQ(plainFromPixel(bar.pixel(closeFace)), colours.CloseFlatNormal);

    move(onClose());
    EXPECT_TRUE(host.skin().pointerTimer()->Enabled());
    ASSERT_TRUE(waitForValue([&] { return plainFromPixel(bar.pixel(closeFace)); },
                             colours.CloseFlatHover, 2000));

    // The pointer leaves the title bar for the client area.
    QCursor::setPos(host.form().mapToGlobal(QPoint(300, 300)));
    ASSERT_TRUE(waitForValue([&] { return plainFromPixel(bar.pixel(closeFace)); },
                             colours.CloseFlatNormal, 2000));
    EXPECT_FALSE(host.skin().buttonFlags().CloseHover);
    // Polling stops until the pointer comes back.
    EXPECT_FALSE(host.skin().pointerTimer()->Enabled());
    move(onCaption());
    EXPECT_TRUE(host.skin().pointerTimer()->Enabled());
}

TEST_F(CaptionInput, AButtonIsDrawnOnlyWhenItsLookChangesAndARestingPointerPollsNothing) {
    const ColourScheme& colours = host.skin().colours();
    Surface& bar = host.skin().titleBar()->surface();
    const Timer& timer = *host.skin().pointerTimer();
    const QPoint minimiseFace(518, 7); // W − 1455, upper face
    const QPoint closeFace(582, 7);
    const auto colourAt = [&](QPoint at) { return plainFromPixel(bar.image().pixel(at)); };
    // A colour no look has, on a face pixel: it stays until that button is drawn again.
    const OleColor mark = 0x0000FF;
    const auto markFace = [&](QPoint at) {
        bar.line(at.x() * 15, at.y() * 15, at.x() * 15 + 15, at.y() * 15, mark);
    };
    // Once the looks of a move are shown, the timer stops: a pointer at rest costs no ticks.
    const auto rested = [&] { return waitFor([&] { return !timer.Enabled(); }, 2000); };

    move(onCaption());
    ASSERT_TRUE(rested());
    markFace(minimiseFace);
    markFace(closeFace);
    move(onMinimise());
    ASSERT_TRUE(rested());
    EXPECT_EQ(colourAt(minimiseFace), colours.ButtonFlatHover);
    EXPECT_EQ(colourAt(closeFace), mark) << "the close button's look did not change";

    markFace(minimiseFace);
    move(onMinimise() + QPoint(3, 2));
    ASSERT_TRUE(rested());
    EXPECT_EQ(colourAt(minimiseFace), mark) << "the same look is not drawn again";

    QTest::mousePress(&caption(), Qt::LeftButton, {}, onMinimise());
    EXPECT_EQ(colourAt(minimiseFace), colours.ButtonFlatPressed);
    move(onCaption(), Qt::LeftButton);
    ASSERT_TRUE(rested());
    EXPECT_EQ(colourAt(minimiseFace), colours.ButtonFlatNormal);
    QTest::mouseRelease(&caption(), Qt::LeftButton, {}, onCaption());

    // The pointer leaves the title bar for another window, and for no window at all: the
    // hovered button is drawn back once, the others are left alone.
    QWidget other;
    other.setGeometry(host.form().geometry().right() + 40, 100, 100, 100);
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    const QPoint away = other.geometry().bottomRight() + QPoint(500, 500);
    for (const QPoint leftFor : {other.geometry().center(), away}) {
        move(onClose());
        ASSERT_TRUE(rested());
        EXPECT_EQ(colourAt(closeFace), colours.CloseFlatHover);
        markFace(minimiseFace);
        QCursor::setPos(leftFor);
        ASSERT_TRUE(
            waitForValue([&] { return colourAt(closeFace); }, colours.CloseFlatNormal, 2000))
            << leftFor.x();
        EXPECT_EQ(colourAt(minimiseFace), mark);
        EXPECT_FALSE(timer.Enabled());
        EXPECT_FALSE(host.skin().buttonFlags().hovered());
    }
}

TEST_F(CaptionInput, ATitleDragMovesTheWindowByTheWholeDragAndEndsAsAMove) {
    // On the caption, and where the drag zone overlaps the minimise button's hit rectangle
    // (label twips 7665 < W − 1500, and ≥ W − 1570): that press presses the button too, but
    // once it has moved the window its release minimises nothing.
    for (const QPoint press : {onCaption(), QPoint(511, 5)}) {
        Form& form = host.form();
        const QPoint start = form.pos();
        move(press);
        const QPoint pointer = caption().mapToGlobal(press);
        QTest::mousePress(&caption(), Qt::LeftButton, {}, press);
        // The press only arms the move, so that a double-click stays one.
        EXPECT_EQ(form.MousePointer(), PointerMove);
        EXPECT_EQ(form.pos(), start);
        // The move waits for the release inside the first step of the pointer.
        QTimer::singleShot(0, [&] {
            QCursor::setPos(pointer + QPoint(40, 30));
            EXPECT_TRUE(waitForValue([&] { return form.pos(); }, start + QPoint(40, 30), 2000));
            QTest::mouseRelease(&caption(), Qt::LeftButton, {}, press);
        });
        move(press + QPoint(3, 2), Qt::LeftButton);
        EXPECT_EQ(form.pos(), start + QPoint(40, 30)) << press.x();
        EXPECT_EQ(caption().mapToGlobal(press), pointer + QPoint(40, 30))
            << "the pressed point is under the pointer, the first step not lost";
        EXPECT_EQ(form.MousePointer(), PointerDefault);
        EXPECT_FALSE(host.skin().buttonFlags().MinimisePressed);
        EXPECT_EQ(form.WindowState(), 0);
        EXPECT_FALSE(host.formUnloaded());
    }
}

TEST_F(CaptionInput, APressAndReleaseWithoutAMoveOnTheCaptionMovesNothing) {
    const QPoint start = host.form().pos();
    move(onCaption());
    QTest::mousePress(&caption(), Qt::LeftButton, {}, onCaption());
    QTest::mouseRelease(&caption(), Qt::LeftButton, {}, onCaption());
    EXPECT_EQ(host.form().MousePointer(), PointerDefault);
    EXPECT_EQ(host.form().pos(), start);
}

TEST_F(CaptionInput, OnlyAPressWithTheLeftButtonAwayFromTheCaptionButtonsMoves) {
    // W − 1500 and beyond belongs to the caption buttons, even below their hit rectangles.
    const QPoint start = host.form().pos();
    const QPoint besideMinimise(516, 20); // label twips 7740 ≥ W − 1500, 300 > 240
    move(besideMinimise);
    QTest::mousePress(&caption(), Qt::LeftButton, {}, besideMinimise);
    EXPECT_EQ(host.form().MousePointer(), PointerDefault);
    QTest::mouseRelease(&caption(), Qt::LeftButton, {}, besideMinimise);
    // A right press moves nothing either.
    QTest::mousePress(&caption(), Qt::RightButton, {}, onCaption());
    EXPECT_EQ(host.form().MousePointer(), PointerDefault);
    QTest::mouseRelease(&caption(), Qt::RightButton, {}, onCaption());
    EXPECT_EQ(host.form().pos(), start);
}

TEST_F(CaptionInput, DraggingTheBottomRightCornerResizesTheHostAndItsFrame) {
    Form& form = host.form();
    const QSize before = form.size();
    const QPoint press(before.width() - 2, before.height() - 2);
    QCursor::setPos(form.mapToGlobal(press));
    // While the resize loop runs, the pointer moves on; the button comes up once the window
    // has followed it (or after a bound).
    const QPoint moved = form.mapToGlobal(press) + QPoint(40, 30);
    QTimer::singleShot(0, [moved] { QCursor::setPos(moved); });
    QDeadlineTimer deadline(5000);
    QTimer releaser;
    QObject::connect(&releaser, &QTimer::timeout, [&] {
        if (form.size() == before && !deadline.hasExpired())
            return;
        releaser.stop();
        QTest::mouseRelease(&form, Qt::LeftButton, {}, form.mapFromGlobal(moved));
    });
    releaser.start(10);
    QTest::mousePress(&form, Qt::LeftButton, {}, press);

    // The corner pixel is under the pointer: pressed two pixels in, moved by (40, 30).
    EXPECT_EQ(form.size(), before + QSize(39, 29));
    const QImage& frame = form.surface().image();
    const OleColor outer = host.skin().colours().OuterLineColour;
    EXPECT_EQ(plainFromPixel(frame.pixel(before.width() + 38, 300)), outer);
    EXPECT_EQ(plainFromPixel(frame.pixel(300, before.height() + 28)), outer);
}

TEST_F(CaptionInput, AWindowStillCountedMinimisedWhileItShowsTracksItsButtons) {
    // The window manager restored the window without the toolkit noticing (seen under
    // openbox): the window shows and takes input, but the toolkit's state reads minimised.
    host.form().QWidget::setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(host.form().windowHandle()->isExposed());
    EXPECT_EQ(host.form().WindowState(), 0);
    move(onMinimise());
    EXPECT_TRUE(host.skin().buttonFlags().MinimiseHover);
    QTest::mouseClick(&caption(), Qt::LeftButton, {}, onMinimise());
    EXPECT_TRUE(host.form().windowState() & Qt::WindowMinimized);
}

TEST_F(CaptionInput, ADoubleClickOnTheCaptionMaximisesAndRestores) {
    QTest::mouseDClick(&caption(), Qt::LeftButton, {}, onCaption());
    ASSERT_TRUE(waitForValue([&] { return host.form().WindowState(); }, 2, 2000));
    QTest::mouseDClick(&caption(), Qt::LeftButton, {}, onCaption());
    ASSERT_TRUE(waitForValue([&] { return host.form().WindowState(); }, 0, 2000));
}

} // namespace
} // namespace dorvak
