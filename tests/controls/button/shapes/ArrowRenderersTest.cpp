#include "tests/controls/button/shapes/ShapeSketch.h"

namespace dorvak {
namespace {

// Each table at 31 × 31, where every kind of rounding shows: W/2 = 15.5 → 16,
// W/2 − 1 = 14.5 → 14 (not 16 − 1), W/3 = 10.33 → 10, W/3 + 4 = 14.33 → 14,
// W/1.5 = 20.67 → 21, W/1.5 − 1 = 19.67 → 20, W/1.5 − 5 = 15.67 → 16, W/1.5 + 1 → 22.
constexpr int size = 31;

TEST(ArrowRenderers, LeftDrawsEveryRowOfItsTable) {
    const auto upperEdge = [](Sketch& s) { s.path({{30, 10}, {20, 10}, {20, 1}, {1, 16}}); };
    expectTable(
        DrawShapeArrowLeft,
        {.width = size,
         .height = size,
         .outline =
             [](Sketch& s) {
                 s.path({{30, 10},
                         {20, 10},
                         {20, 1},
                         {1, 16},
                         {20, 30},
                         {20, 20},
                         {30, 20},
                         {30, 10}});
             },
         .sunken =
             [&](Sketch& s) {
                 upperEdge(s.pen(darkShadow3D));
                 s.pen(buttonShadow).path({{30, 11}, {19, 11}, {19, 3}, {2, 16}});
             },
         .raised =
             [&](Sketch& s) {
                 s.pen(buttonShadow).path({{29, 12}, {29, 19}, {19, 19}, {19, 28}, {2, 16}});
                 upperEdge(s.pen(buttonHighlight));
             },
         .upperEdgePressed = upperEdge,
         .upperEdgeRaised = upperEdge,
         .engraved =
             [](Sketch& s) {
                 s.pen(buttonShadow).path({{29, 12}, {29, 19}, {19, 19}, {19, 28}, {3, 16}});
                 s.pen(buttonHighlight).path({{30, 11}, {19, 11}, {19, 3}, {2, 16}});
                 s.path({{30, 11}, {30, 20}, {20, 20}, {20, 30}, {1, 16}});
             },
         .glowPressed =
             [](Sketch& s) {
                 s.path({{28, 12}, {28, 18}, {18, 18}, {18, 26}, {5, 16}});
             },
         .glowEdges =
             [](Sketch& s, const EdgeColors& c) {
                 s.pen(c[0]).path({{29, 11}, {29, 20}});
                 s.pen(c[1]).path({{28, 11}, {28, 19}, {19, 19}, {19, 28}, {2, 16}});
                 s.pen(c[2]).path({{28, 18}, {18, 18}, {18, 26}, {4, 16}});
                 s.pen(c[3]).path({{28, 11}, {19, 11}, {19, 3}, {2, 16}});
                 s.pen(c[4]).path({{27, 12}, {18, 12}, {18, 5}, {3, 16}});
             },
         .innerOutline =
             [](Sketch& s) {
                 s.path({{28, 11},
                         {19, 11},
                         {19, 3},
                         {2, 16},
                         {19, 28},
                         {19, 19},
                         {29, 19},
                         {29, 10}});
             },
         .focusOutline =
             [](Sketch& s) {
                 s.polygon({{6, 16}, {16, 9}, {16, 14}, {26, 14}, {26, 16}, {16, 16}, {16, 21}});
             }});
}

TEST(ArrowRenderers, UpDrawsEveryRowOfItsTable) {
    const auto upperLeftEdge = [](Sketch& s) { s.path({{16, 1}, {1, 20}, {10, 20}, {10, 30}}); };
    expectTable(
        DrawShapeArrowUp,
        {.width = size,
         .height = size,
         .outline =
             [](Sketch& s) {
                 s.path(
                     {{16, 1}, {1, 20}, {10, 20}, {10, 30}, {20, 30}, {20, 20}, {30, 20}, {16, 1}});
             },
         .sunken =
             [&](Sketch& s) {
                 upperLeftEdge(s.pen(darkShadow3D));
                 s.pen(buttonShadow).path({{16, 2}, {2, 20}});
                 s.path({{2, 19}, {11, 19}, {11, 30}});
             },
         .raised =
             [&](Sketch& s) {
                 upperLeftEdge(s.pen(buttonHighlight));
                 s.pen(buttonShadow).path({{10, 29}, {19, 29}, {19, 19}, {28, 19}, {16, 2}});
             },
         .upperEdgePressed = upperLeftEdge,
         .upperEdgeRaised = upperLeftEdge,
         .engraved =
             [](Sketch& s) {
                 s.pen(buttonShadow).path({{10, 29}, {19, 29}, {19, 19}, {28, 19}, {16, 3}});
                 s.pen(buttonHighlight)
                     .path({{16, 3},
                            {3, 19},
                            {11, 19},
                            {11, 30},
                            {20, 30},
                            {20, 20},
                            {30, 20},
                            {16, 1}});
             },
         .glowPressed =
             [](Sketch& s) {
                 s.path({{13, 28}, {18, 28}, {18, 18}, {26, 18}, {16, 4}});
             },
         .glowEdges =
             [](Sketch& s, const EdgeColors& c) {
                 s.pen(c[0]).path({{19, 29}, {10, 29}});
                 s.pen(c[1]).path({{11, 28}, {19, 28}, {19, 19}, {28, 19}, {16, 3}});
                 s.pen(c[2]).path({{18, 28}, {18, 18}, {26, 18}, {16, 5}});
                 s.pen(c[3]).path({{16, 3}, {3, 19}, {11, 19}, {11, 29}});
                 s.pen(c[4]).path({{16, 5}, {5, 18}, {12, 18}, {12, 28}});
             },
         .innerOutline =
             [](Sketch& s) {
                 s.path(
                     {{16, 2}, {3, 19}, {11, 19}, {11, 29}, {19, 29}, {19, 19}, {28, 19}, {16, 2}});
             },
         .focusOutline =
             [](Sketch& s) {
                 s.polygon({{16, 6}, {9, 16}, {14, 16}, {14, 26}, {16, 26}, {16, 16}, {21, 16}});
             }});
}

TEST(ArrowRenderers, RightDrawsEveryRowOfItsTable) {
    const auto upperEdge = [](Sketch& s) {
        s.path({{0, 20}, {0, 10}, {10, 10}, {10, 1}, {30, 16}});
    };
    expectTable(
        DrawShapeArrowRight,
        {.width = size,
         .height = size,
         .outline =
             [](Sketch& s) {
                 s.path(
                     {{0, 20}, {0, 10}, {10, 10}, {10, 1}, {30, 16}, {10, 30}, {10, 20}, {0, 20}});
             },
         .sunken =
             [&](Sketch& s) {
                 upperEdge(s.pen(darkShadow3D));
                 s.pen(buttonShadow).path({{1, 19}, {1, 11}, {11, 11}, {11, 3}, {29, 16}});
             },
         .raised =
             [&](Sketch& s) {
                 s.pen(buttonShadow).path({{29, 16}, {11, 28}});
                 s.path({{28, 16}, {11, 28}, {11, 19}, {1, 19}});
                 upperEdge(s.pen(buttonHighlight));
             },
         .upperEdgePressed = upperEdge,
         .upperEdgeRaised = upperEdge,
         .engraved =
             [](Sketch& s) {
                 s.pen(buttonShadow).path({{28, 16}, {11, 28}, {11, 19}, {0, 19}});
                 s.pen(buttonHighlight).path({{1, 19}, {1, 11}, {11, 11}, {11, 3}, {28, 16}});
                 s.path({{30, 16}, {10, 30}, {10, 20}, {0, 20}});
             },
         .glowPressed =
             [](Sketch& s) {
                 s.path({{2, 12}, {2, 18}, {12, 18}, {12, 26}, {26, 16}});
             },
         .glowEdges =
             [](Sketch& s, const EdgeColors& c) {
                 s.pen(c[0]).path({{1, 19}, {1, 10}});
                 s.pen(c[1]).path({{2, 11}, {2, 19}, {11, 19}, {11, 28}, {29, 16}});
                 s.pen(c[2]).path({{3, 18}, {12, 18}, {12, 26}, {28, 16}});
                 s.pen(c[3]).path({{3, 11}, {11, 11}, {11, 3}, {28, 16}});
                 s.pen(c[4]).path({{4, 12}, {12, 12}, {12, 5}, {27, 16}});
             },
         .innerOutline =
             [](Sketch& s) {
                 s.path(
                     {{1, 19}, {1, 11}, {11, 11}, {11, 3}, {29, 14}, {11, 28}, {11, 19}, {1, 19}});
             },
         .focusOutline =
             [](Sketch& s) {
                 s.polygon({{24, 16}, {14, 9}, {14, 14}, {4, 14}, {4, 16}, {14, 16}, {14, 21}});
             }});
}

TEST(ArrowRenderers, DownDrawsEveryRowOfItsTable) {
    const auto upperLeftEdge = [](Sketch& s) {
        s.path({{21, 0}, {10, 0}, {10, 10}, {1, 10}, {16, 30}});
    };
    expectTable(
        DrawShapeArrowDown,
        {.width = size,
         .height = size,
         .outline =
             [](Sketch& s) {
                 s.path(
                     {{21, 0}, {10, 0}, {10, 10}, {1, 10}, {16, 30}, {30, 10}, {20, 10}, {20, 0}});
             },
         .sunken =
             [&](Sketch& s) {
                 upperLeftEdge(s.pen(darkShadow3D));
                 s.pen(buttonShadow).path({{20, 1}, {11, 1}, {11, 11}, {3, 11}, {16, 29}});
             },
         .raised =
             [&](Sketch& s) {
                 s.pen(buttonShadow).path({{19, 1}, {19, 11}, {28, 11}, {16, 29}});
                 s.path({{28, 11}, {16, 28}});
                 upperLeftEdge(s.pen(buttonHighlight));
             },
         .upperEdgePressed = upperLeftEdge,
         .upperEdgeRaised = upperLeftEdge,
         .engraved =
             [](Sketch& s) {
                 s.pen(buttonShadow).path({{19, 2}, {19, 11}, {28, 11}, {16, 28}});
                 s.pen(buttonHighlight).path({{11, 1}, {22, 1}});
                 s.path({{11, 2}, {11, 11}, {3, 11}, {16, 28}});
                 s.path({{20, 2}, {20, 10}, {30, 10}, {16, 30}});
             },
         .glowPressed =
             [](Sketch& s) {
                 s.path({{13, 2}, {18, 2}, {18, 12}, {26, 12}, {16, 27}});
             },
         .glowEdges =
             [](Sketch& s, const EdgeColors& c) {
                 s.pen(c[0]).path({{11, 1}, {20, 1}});
                 s.pen(c[1]).path({{11, 1}, {19, 1}, {19, 11}, {28, 11}, {16, 29}});
                 s.pen(c[2]).path({{18, 2}, {18, 12}, {26, 12}, {16, 27}});
                 s.pen(c[3]).path({{11, 2}, {11, 11}, {3, 11}, {16, 28}});
                 s.pen(c[4]).path({{12, 3}, {12, 12}, {4, 12}, {16, 27}});
             },
         .innerOutline =
             [](Sketch& s) {
                 s.path(
                     {{21, 1}, {11, 1}, {11, 11}, {3, 11}, {14, 29}, {28, 11}, {19, 11}, {19, 1}});
             },
         .focusOutline =
             [](Sketch& s) {
                 s.polygon({{16, 24}, {9, 14}, {14, 14}, {14, 4}, {16, 4}, {16, 14}, {21, 14}});
             }});
}

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
