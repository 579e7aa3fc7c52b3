#include "platform/gdi/Regions.h"
#include "tests/controls/button/shapes/ShapeSketch.h"

namespace dorvak {
namespace {

TEST(EllipseRenderer, DrawsEveryRowOfItsTable) {
    // 31 × 31: W/2 = H/2 = 15.5 → 16, W/3 = 10.33 → 10.
    const auto upperLeftHalf = [](Sketch& s) { s.arc(29, 29, 1, 1, 29, 1, 1, 29); };
    expectTable(DrawShapeEllipse,
                {.width = 31,
                 .height = 31,
                 .outline = [](Sketch& s) { s.roundRect(1, 1, 29, 29, 29, 29); },
                 .sunken =
                     [&](Sketch& s) {
                         upperLeftHalf(s.pen(darkShadow3D));
                         s.pen(buttonShadow).arc(28, 28, 2, 2, 28, 2, 2, 28);
                     },
                 .raised =
                     [&](Sketch& s) {
                         s.pen(buttonShadow).arc(1, 1, 28, 28, 10, 16, 28, 1);
                         upperLeftHalf(s.pen(buttonHighlight));
                     },
                 .upperEdgePressed = upperLeftHalf,
                 .upperEdgeRaised = upperLeftHalf,
                 .engraved =
                     [](Sketch& s) {
                         s.pen(buttonShadow).arc(28, 28, 2, 2, 16, 28, 16, 3);
                         s.pen(buttonHighlight).arc(28, 28, 2, 2, 16, 2, 16, 29);
                         s.arc(29, 29, 1, 1, 16, 29, 16, 2);
                     },
                 .glowPressed = [](Sketch& s) { s.arc(27, 27, 3, 3, 16, 29, 16, 3); },
                 .glowEdges =
                     [](Sketch& s, const EdgeColors& c) {
                         s.pen(c[0]).arc(2, 2, 28, 28, 2, 28, 28, 28);
                         s.pen(c[1]).arc(2, 2, 28, 27, 3, 3, 29, 4);
                         s.pen(c[2]).arc(3, 3, 27, 28, 2, 3, 29, 3);
                         s.pen(c[3]).arc(28, 29, 2, 2, 28, 3, 3, 3);
                         s.pen(c[4]).arc(28, 28, 3, 3, 28, 4, 4, 4);
                     },
                 .innerOutline = [](Sketch& s) { s.roundRect(2, 2, 28, 28, 28, 28); },
                 .focusOutline = [](Sketch& s) { s.roundRect(4, 4, 26, 26, 26, 26); }});
}

TEST(EllipseRenderer, RegionIsTheEllipseOfTheWholeControlWhileTheOutlineIsInset) {
    const QRegion region = windowRegion(DrawShapeEllipse, 40, 40);
    EXPECT_EQ(region, regionPixels(CreateEllipticRgn(0, 0, 40, 40)));
    EXPECT_EQ(region.boundingRect(), QRect(0, 0, 39, 39)) << "without the last column and row";

    // A circle: the outline touches rows and columns 1 and 37 (inscribed in 1..38, right and
    // bottom exclusive), never the control's edge.
    ShapeRun run(40, 40);
    run.draw(DrawShapeEllipse, style(0));
    const QImage& image = run.surface.image();
    QRect drawn;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            if (plainFromPixel(image.pixel(x, y)) == ShapeRun::border)
                drawn |= QRect(x, y, 1, 1);
    EXPECT_EQ(drawn, QRect(QPoint(1, 1), QPoint(37, 37)));
}

// The region reaches one pixel past the outline on every side alike, so no fringe of face
// shows outside it on the right and at the bottom only; and the whole outline shows.
TEST(EllipseRenderer, RegionFitsTheOutlineEvenlyAndShowsAllOfIt) {
    for (const int size : {31, 40, 64}) {
        SCOPED_TRACE(size);
        const QRegion region = windowRegion(DrawShapeEllipse, size, size);
        // The outline, inscribed in 1 … W − 3, is symmetric about x = (W − 2) / 2.
        QRegion mirrored;
        for (const QRect& rect : region)
            mirrored += QRect(QPoint(size - 2 - rect.right(), size - 2 - rect.bottom()),
                              QPoint(size - 2 - rect.left(), size - 2 - rect.top()));
        EXPECT_EQ(region, mirrored);
        EXPECT_EQ(hiddenOutline(DrawShapeEllipse, size, size), std::vector<QPoint>{});
    }
}

} // namespace
} // namespace dorvak
