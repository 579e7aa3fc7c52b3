#include "tests/controls/button/shapes/ShapeSketch.h"

namespace dorvak {
namespace {

// Each table at 30 × 30: W/2 = H/2 = 15.

TEST(TriangleRenderers, UpDrawsEveryRowOfItsTable) {
    expectTable(DrawShapeTriangleUp,
                {.outline =
                     [](Sketch& s) {
                         s.path({{15, 1}, {1, 29}, {28, 29}, {15, 1}});
                     },
                 .sunken =
                     [](Sketch& s) {
                         s.pen(darkShadow3D).path({{15, 1}, {1, 29}});
                         s.pen(buttonShadow).path({{15, 3}, {3, 27}});
                     },
                 .raised =
                     [](Sketch& s) {
                         s.pen(buttonShadow).path({{1, 28}, {27, 28}, {15, 3}});
                         s.pen(buttonHighlight).path({{15, 2}, {1, 29}});
                     },
                 .upperEdgePressed =
                     [](Sketch& s) {
                         s.path({{15, 1}, {1, 29}});
                     },
                 .upperEdgeRaised =
                     [](Sketch& s) {
                         s.path({{15, 2}, {1, 29}});
                     },
                 .engraved =
                     [](Sketch& s) {
                         s.pen(buttonShadow).path({{1, 28}, {27, 28}, {15, 3}});
                         s.pen(buttonHighlight).path({{15, 3}, {2, 29}});
                         s.path({{2, 29}, {28, 29}, {15, 1}});
                     },
                 .glowPressed =
                     [](Sketch& s) {
                         s.path({{4, 27}, {25, 27}, {15, 5}});
                     },
                 .glowEdges =
                     [](Sketch& s, const EdgeColors& c) {
                         s.pen(c[0]).path({{2, 28}, {29, 28}});
                         s.pen(c[1]).path({{3, 27}, {26, 27}, {15, 3}});
                         s.pen(c[2]).path({{25, 26}, {15, 5}});
                         s.pen(c[3]).path({{15, 3}, {3, 27}});
                         s.pen(c[4]).path({{15, 4}, {3, 27}});
                     },
                 .innerOutline =
                     [](Sketch& s) {
                         s.path({{15, 2}, {2, 28}, {27, 28}, {15, 2}});
                     },
                 .focusOutline =
                     [](Sketch& s) {
                         s.polygon({{7, 25}, {15, 9}, {22, 25}});
                     }});
}

TEST(TriangleRenderers, LeftDrawsEveryRowOfItsTable) {
    expectTable(DrawShapeTriangleLeft,
                {.outline =
                     [](Sketch& s) {
                         s.path({{1, 15}, {29, 1}, {29, 29}, {1, 15}});
                     },
                 .sunken =
                     [](Sketch& s) {
                         s.pen(darkShadow3D).path({{29, 1}, {1, 15}});
                         s.pen(buttonShadow).path({{27, 3}, {3, 15}});
                     },
                 .raised =
                     [](Sketch& s) {
                         s.pen(buttonShadow).path({{2, 15}, {28, 27}, {28, 1}});
                         s.pen(buttonHighlight).path({{29, 1}, {1, 15}});
                     },
                 .upperEdgePressed =
                     [](Sketch& s) {
                         s.path({{29, 1}, {1, 15}});
                     },
                 .upperEdgeRaised =
                     [](Sketch& s) {
                         s.path({{29, 1}, {1, 15}});
                     },
                 .engraved =
                     [](Sketch& s) {
                         s.pen(buttonShadow).path({{28, 2}, {28, 27}, {3, 15}});
                         s.pen(buttonHighlight).path({{3, 15}, {29, 2}, {29, 29}, {1, 15}});
                     },
                 .glowPressed =
                     [](Sketch& s) {
                         s.path({{27, 5}, {27, 25}, {5, 15}});
                     },
                 .glowEdges =
                     [](Sketch& s, const EdgeColors& c) {
                         s.pen(c[0]).path({{28, 2}, {28, 29}});
                         s.pen(c[1]).path({{27, 2}, {27, 27}, {3, 15}});
                         s.pen(c[2]).path({{27, 26}, {5, 15}});
                         s.pen(c[3]).path({{3, 15}, {27, 3}});
                         s.pen(c[4]).path({{4, 15}, {26, 4}});
                     },
                 .innerOutline =
                     [](Sketch& s) {
                         s.path({{2, 15}, {28, 2}, {28, 28}, {2, 15}});
                     },
                 .focusOutline =
                     [](Sketch& s) {
                         s.polygon({{9, 15}, {25, 7}, {25, 22}});
                     }});
}

TEST(TriangleRenderers, RightDrawsEveryRowOfItsTable) {
    expectTable(DrawShapeTriangleRight,
                {.outline =
                     [](Sketch& s) {
                         s.path({{28, 15}, {0, 1}, {0, 29}, {29, 15}});
                     },
                 .sunken =
                     [](Sketch& s) {
                         s.pen(darkShadow3D).path({{28, 15}, {0, 1}, {0, 29}});
                         s.pen(buttonShadow).path({{25, 15}, {1, 2}, {1, 28}});
                     },
                 .raised =
                     [](Sketch& s) {
                         s.pen(buttonShadow).path({{1, 27}, {27, 15}});
                         s.pen(buttonHighlight).path({{27, 15}, {0, 1}, {0, 29}});
                     },
                 .upperEdgePressed =
                     [](Sketch& s) {
                         s.path({{28, 15}, {0, 1}, {0, 29}});
                     },
                 .upperEdgeRaised =
                     [](Sketch& s) {
                         s.path({{27, 15}, {0, 1}, {0, 29}});
                     },
                 .engraved =
                     [](Sketch& s) {
                         s.pen(buttonShadow).path({{1, 27}, {27, 15}});
                         s.pen(buttonHighlight).path({{25, 15}, {1, 3}, {1, 28}, {29, 15}});
                     },
                 .glowPressed =
                     [](Sketch& s) {
                         s.path({{2, 4}, {2, 25}, {24, 15}});
                     },
                 .glowEdges =
                     [](Sketch& s, const EdgeColors& c) {
                         s.pen(c[0]).path({{1, 2}, {1, 29}});
                         s.pen(c[1]).path({{2, 2}, {2, 27}, {26, 15}});
                         s.pen(c[2]).path({{3, 25}, {25, 15}});
                         s.pen(c[3]).path({{26, 15}, {4, 4}});
                         s.pen(c[4]).path({{25, 15}, {5, 5}});
                     },
                 .innerOutline =
                     [](Sketch& s) {
                         s.path({{27, 15}, {1, 2}, {1, 28}, {28, 15}});
                     },
                 .focusOutline =
                     [](Sketch& s) {
                         s.polygon({{20, 15}, {4, 7}, {4, 22}});
                     }});
}

TEST(TriangleRenderers, DownDrawsEveryRowOfItsTable) {
    expectTable(DrawShapeTriangleDown,
                {.outline =
                     [](Sketch& s) {
                         s.path({{15, 29}, {29, 1}, {1, 1}, {15, 29}});
                     },
                 .sunken =
                     [](Sketch& s) {
                         s.pen(darkShadow3D).path({{15, 29}, {1, 1}, {29, 1}});
                         s.pen(buttonShadow).path({{15, 26}, {2, 2}, {27, 2}});
                     },
                 .raised =
                     [](Sketch& s) {
                         s.pen(buttonShadow).path({{28, 1}, {15, 27}});
                         s.pen(buttonHighlight).path({{15, 28}, {1, 1}, {29, 1}});
                     },
                 .upperEdgePressed =
                     [](Sketch& s) {
                         s.path({{15, 29}, {1, 1}, {29, 1}});
                     },
                 .upperEdgeRaised =
                     [](Sketch& s) {
                         s.path({{15, 28}, {1, 1}, {29, 1}});
                     },
                 .engraved =
                     [](Sketch& s) {
                         s.pen(buttonShadow).path({{27, 2}, {15, 27}});
                         s.pen(buttonHighlight).path({{28, 2}, {2, 2}, {15, 26}});
                         s.path({{15, 29}, {29, 1}});
                     },
                 .glowPressed =
                     [](Sketch& s) {
                         s.path({{4, 3}, {25, 3}, {15, 25}});
                     },
                 .glowEdges =
                     [](Sketch& s, const EdgeColors& c) {
                         s.pen(c[0]).path({{2, 2}, {28, 2}});
                         s.pen(c[1]).path({{3, 3}, {27, 3}, {15, 27}});
                         s.pen(c[2]).path({{25, 4}, {15, 26}});
                         s.pen(c[3]).path({{15, 26}, {3, 3}});
                         s.pen(c[4]).path({{15, 25}, {4, 4}});
                     },
                 .innerOutline =
                     [](Sketch& s) {
                         s.path({{15, 28}, {28, 2}, {2, 2}, {15, 28}});
                     },
                 .focusOutline =
                     [](Sketch& s) {
                         s.polygon({{6, 4}, {15, 20}, {22, 4}});
                     }});
}

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
