#include "platform/gdi/Regions.h"
#include "tests/controls/button/shapes/ShapeWindows.h"
#include <gtest/gtest.h>

namespace dorvak {
namespace {

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
