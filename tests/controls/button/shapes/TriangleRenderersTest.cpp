#include "tests/controls/button/shapes/ShapeWindows.h"
#include <gtest/gtest.h>

namespace dorvak {
namespace {

TEST(TriangleRenderers, OddWidthsPutTheApexOnTheEvenNeighbourOfTheHalf) {
    // The apex is the outline's only pixel on the row next to the flat side.
    const auto apexColumn = [](Renderer renderer, int width, int row) {
        ShapeRun run(width, width);
        run.draw(renderer, style(0));
        std::vector<int> columns;
        for (int x = 0; x < width; ++x)
            if (plainFromPixel(run.surface.image().pixel(x, row)) == ShapeRun::border)
                columns.push_back(x);
        return columns;
    };
    EXPECT_EQ(apexColumn(DrawShapeTriangleUp, 75, 1), std::vector<int>{38});
    EXPECT_EQ(apexColumn(DrawShapeTriangleUp, 73, 1), std::vector<int>{36});
    EXPECT_EQ(apexColumn(DrawShapeTriangleDown, 75, 74), std::vector<int>{38});
    EXPECT_EQ(apexColumn(DrawShapeTriangleDown, 73, 72), std::vector<int>{36});
}

// A region holds the pixels whose points (x, y) lie inside the triangle, the points of its
// right and bottom edges left out: the row of the point (or of the up triangle's apex) and
// the up triangle's left column fall outside, the flat side lies on the control's edge.
TEST(TriangleRenderers, WindowRegionsFollowTheirVertices) {
    const auto spans = [](const QRegion& region, QPoint from, QPoint to) {
        return QRegion(QRect(from, to)).subtracted(region).isEmpty();
    };
    const QRegion up = windowRegion(DrawShapeTriangleUp, 30, 30);
    EXPECT_EQ(up.boundingRect(), QRect(QPoint(1, 1), QPoint(29, 29)));
    EXPECT_TRUE(spans(up, {1, 29}, {29, 29}));

    const QRegion down = windowRegion(DrawShapeTriangleDown, 30, 30);
    EXPECT_EQ(down.boundingRect(), QRect(QPoint(0, 1), QPoint(29, 29)))
        << "the top row lies outside the window";
    EXPECT_TRUE(spans(down, {0, 1}, {29, 1}));

    const QRegion left = windowRegion(DrawShapeTriangleLeft, 30, 30);
    EXPECT_EQ(left.boundingRect(), QRect(QPoint(0, 1), QPoint(29, 29)));
    EXPECT_TRUE(spans(left, {29, 1}, {29, 29}));

    const QRegion right = windowRegion(DrawShapeTriangleRight, 30, 30);
    EXPECT_EQ(right.boundingRect(), QRect(QPoint(0, 1), QPoint(29, 29)));
    EXPECT_TRUE(spans(right, {0, 1}, {0, 29}));
}

// The outline runs just inside the region's edges, so none of it is cut off: not the lower
// edge of the triangle pointing right nor the sides of the one pointing down.
TEST(TriangleRenderers, TheWholeOutlineShowsThroughTheWindowRegion) {
    for (const Renderer renderer : {DrawShapeTriangleUp, DrawShapeTriangleLeft,
                                    DrawShapeTriangleRight, DrawShapeTriangleDown})
        for (const int size : {30, 31, 64}) {
            SCOPED_TRACE(size);
            EXPECT_EQ(hiddenOutline(renderer, size, size), std::vector<QPoint>{});
        }
}

} // namespace
} // namespace dorvak
