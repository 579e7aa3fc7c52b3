// Pointer shapes, edge grips, and the caption buttons driven by simulated input.
#include "SkinTestSupport.h"

#include "controls/skin/EdgeGrips.h"
#include "controls/skin/PointerShapes.h"
#include "platform/forms/Label.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/Timer.h"

#include <QCursor>
#include <QDeadlineTimer>
#include <QTest>
#include <QTimer>
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

    // The pointer goes onto the gripped edge.
    const QRectF frame(15000, 9000, 9000, 6000);
    EXPECT_EQ(snappedPointer(corner, frame, {8950, 5950}), QPointF(15000 + 8950, 15000));
    EXPECT_EQ(snappedPointer(left, frame, {30, 3000}), QPointF(15000, 12000));

    // Dragging the bottom-right corner follows the pointer.
    EXPECT_EQ(resizedFrame(corner, frame, {24000, 15000}, {25500, 16500}, zone),
              QRectF(15000, 9000, 10500, 7500));
    // Dragging the left edge right moves it while the right edge stays...
    EXPECT_EQ(resizedFrame(left, frame, {15000, 12000}, {21000, 12000}, zone),
              QRectF(21000, 9000, 3000, 6000));
    // ...until the window would be 10 pixels wide or less: then nothing changes.
    EXPECT_EQ(resizedFrame(left, frame, {15000, 12000}, {23850, 12000}, zone), frame);
    EXPECT_EQ(resizedFrame(left, frame, {15000, 12000}, {23849, 12000}, zone),
              QRectF(23849, 9000, 151, 6000));
    const EdgeGrips top = gripsAt({4000, 10}, size, zone);
    EXPECT_EQ(resizedFrame(top, frame, {19000, 9000}, {19000, 7000}, zone),
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
    QTRY_COMPARE_WITH_TIMEOUT(plainFromPixel(bar.pixel(closeFace)), colours.CloseFlatHover, 2000);

    // The pointer leaves the title bar for the client area.
    QCursor::setPos(host.form().mapToGlobal(QPoint(300, 300)));
    QTRY_COMPARE_WITH_TIMEOUT(plainFromPixel(bar.pixel(closeFace)), colours.CloseFlatNormal, 2000);
    EXPECT_FALSE(host.skin().buttonFlags().CloseHover);
    // Polling stops until the pointer comes back.
    EXPECT_FALSE(host.skin().pointerTimer()->Enabled());
    move(onCaption());
    EXPECT_TRUE(host.skin().pointerTimer()->Enabled());
}

TEST_F(CaptionInput, OnlyAPressOnTheCaptionAwayFromTheButtonsArmsTheMove) {
    // The move itself starts at the first pointer move with the button held; until then the
    // pointer shows the move shape, and a release without moving only takes it back.
    const QPoint start = host.form().pos();
    move(onCaption());
    QTest::mousePress(&caption(), Qt::LeftButton, {}, onCaption());
    EXPECT_EQ(host.form().MousePointer(), PointerMove);
    QTest::mouseRelease(&caption(), Qt::LeftButton, {}, onCaption());
    EXPECT_EQ(host.form().MousePointer(), PointerDefault);
    EXPECT_EQ(host.form().pos(), start);

    // W − 1500 and beyond belongs to the caption buttons, even below their hit rectangles.
    const QPoint besideMinimise(516, 20); // label twips 7740 ≥ W − 1500, 300 > 240
    move(besideMinimise);
    QTest::mousePress(&caption(), Qt::LeftButton, {}, besideMinimise);
    EXPECT_EQ(host.form().MousePointer(), PointerDefault);
    QTest::mouseRelease(&caption(), Qt::LeftButton, {}, besideMinimise);
    // A right press arms nothing.
    QTest::mousePress(&caption(), Qt::RightButton, {}, onCaption());
    EXPECT_EQ(host.form().MousePointer(), PointerDefault);
    QTest::mouseRelease(&caption(), Qt::RightButton, {}, onCaption());
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

    // The size is the pointer's distance from the top-left corner.
    EXPECT_EQ(form.size(), before + QSize(38, 28));
    const QImage& frame = form.surface().image();
    const OleColor outer = host.skin().colours().OuterLineColour;
    EXPECT_EQ(plainFromPixel(frame.pixel(before.width() + 37, 300)), outer);
    EXPECT_EQ(plainFromPixel(frame.pixel(300, before.height() + 27)), outer);
}

TEST_F(CaptionInput, ADoubleClickOnTheCaptionMaximisesAndRestores) {
    QTest::mouseDClick(&caption(), Qt::LeftButton, {}, onCaption());
    QTRY_COMPARE_WITH_TIMEOUT(host.form().WindowState(), 2, 2000);
    QTest::mouseDClick(&caption(), Qt::LeftButton, {}, onCaption());
    QTRY_COMPARE_WITH_TIMEOUT(host.form().WindowState(), 0, 2000);
}

} // namespace
} // namespace dorvak
