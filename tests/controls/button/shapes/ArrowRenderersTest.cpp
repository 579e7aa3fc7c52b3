#include "tests/controls/button/shapes/ShapeWindows.h"
#include <gtest/gtest.h>

namespace dorvak {
namespace {

// Each table at 31 × 31, where every kind of rounding shows: W/2 = 15.5 → 16,
// W/2 − 1 = 14.5 → 14 (not 16 − 1), W/3 = 10.33 → 10, W/3 + 4 = 14.33 → 14,
// W/1.5 = 20.67 → 21, W/1.5 − 1 = 19.67 → 20, W/1.5 − 5 = 15.67 → 16, W/1.5 + 1 → 22.
constexpr int size = 31;

TEST(ArrowRenderers, StemsSpanTheMiddleThirdRoundedHalvesToEven) {
    // W = 100: W/3 = 33.33 → 33 and W/1.5 = 66.67 → 67; the region keeps columns 33 to 66,
    // the outline runs down columns 33 and 66 (W/1.5 − 1).
    const auto rowOf = [](const QRegion& region, int y) {
        return region.intersected(QRect(0, y, 100, 1)).boundingRect();
    };
    EXPECT_EQ(rowOf(windowRegion(DrawShapeArrowUp, 100, 100), 99), QRect(33, 99, 34, 1));
    EXPECT_EQ(rowOf(windowRegion(DrawShapeArrowDown, 100, 100), 0), QRect(33, 0, 34, 1));

    ShapeRun up(100, 100);
    up.draw(DrawShapeArrowUp, style(0));
    ShapeRun down(100, 100);
    down.draw(DrawShapeArrowDown, style(0));
    const MapLegend legend{{'.', ShapeRun::face}, {'o', ShapeRun::border}};
    const std::string stem = "o" + std::string(32, '.') + "o";
    EXPECT_EQ(colorMap(up.surface.image(), legend, QRect(33, 80, 34, 1)), stem + "\n");
    EXPECT_EQ(colorMap(down.surface.image(), legend, QRect(33, 20, 34, 1)), stem + "\n");
}

// At the gallery's size and at 100 × 100 the whole outline shows, head and stem, but for the
// down arrow's first pixel: (W/1.5, 0), one column right of the region's stem.
TEST(ArrowRenderers, TheOutlineShowsThroughTheWindowRegionButTheDownArrowsFirstPixel) {
    struct Size {
        int size, twoThirds; // W/1.5 rounded, halves to even
    };
    for (const Size s : {Size{64, 43}, Size{100, 67}}) {
        SCOPED_TRACE(s.size);
        for (const Renderer renderer : {DrawShapeArrowUp, DrawShapeArrowLeft, DrawShapeArrowRight})
            EXPECT_EQ(hiddenOutline(renderer, s.size, s.size), std::vector<QPoint>{});
        EXPECT_EQ(hiddenOutline(DrawShapeArrowDown, s.size, s.size),
                  std::vector<QPoint>{QPoint(s.twoThirds, 0)});
    }
}

TEST(ArrowRenderers, DownOutlineStartsOnePixelRightOfWhereItEnds) {
    // (W/1.5, 0) → … → (W/1.5 − 1, 0): at W = 30 the top row of the stem runs from 10 to 20.
    ShapeRun run(30, 30);
    run.draw(DrawShapeArrowDown, style(0));
    const MapLegend legend{{'.', ShapeRun::face}, {'o', ShapeRun::border}};
    EXPECT_EQ(colorMap(run.surface.image(), legend, QRect(0, 0, 30, 1)),
              rows("..........ooooooooooo........."));
}

TEST(ArrowRenderers, StyleSevenPointsOfRightAndDownArrowsSitOffTheCentreLine) {
    // The white inner outline's farthest pixel towards the point, at 31 × 31.
    const auto tip = [](Renderer renderer, bool horizontal) {
        ShapeRun run(size, size);
        run.draw(renderer, style(7));
        QPoint farthest(-1, -1);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                if (plainFromPixel(run.surface.image().pixel(x, y)) == style7Normal &&
                    (farthest.x() < 0 || (horizontal ? x > farthest.x() : y > farthest.y())))
                    farthest = QPoint(x, y);
        return farthest;
    };
    EXPECT_EQ(tip(DrawShapeArrowRight, true), QPoint(29, 14)) << "(W-2, H/2-1)";
    EXPECT_EQ(tip(DrawShapeArrowDown, false), QPoint(14, 29)) << "(W/2-1, H-2)";
    // The up and left arrows keep it on the centre line.
    ShapeRun left(size, size);
    left.draw(DrawShapeArrowLeft, style(7));
    EXPECT_EQ(plainFromPixel(left.surface.image().pixel(2, 16)), style7Normal);
    ShapeRun up(size, size);
    up.draw(DrawShapeArrowUp, style(7));
    EXPECT_EQ(plainFromPixel(up.surface.image().pixel(16, 2)), style7Normal);
}

} // namespace
} // namespace dorvak
