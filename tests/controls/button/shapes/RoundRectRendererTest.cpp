#include "platform/gdi/Regions.h"
#include "tests/controls/button/shapes/ShapeSketch.h"

namespace dorvak {
namespace {

// 40 × 30: the rounded rectangle keeps any proportions.
void topAndLeftSides(Sketch& s) {
    s.path({{10, 0}, {32, 0}}).arc(17, 17, 0, 0, 10, 0, 0, 10).path({{0, 10}, {0, 20}});
}

TEST(RoundRectRenderer, DrawsEveryRowOfItsTable) {
    const auto upperLeftEdge = [](Sketch& s) {
        topAndLeftSides(s);
        s.arc(17, 13, 0, 29, -16, 14, 9, 29);
    };
    expectTable(
        DrawShapeRoundRect,
        {.width = 40,
         .height = 30,
         .outline = [](Sketch& s) { s.roundRect(0, 0, 39, 29, 16, 16); },
         .sunken =
             [](Sketch& s) {
                 topAndLeftSides(s.pen(darkShadow3D));
                 s.arc(17, 13, 0, 29, -16, 14, 9, 30).arc(16, 14, 0, 28, -16, 14, 8, 30);
                 s.pen(buttonShadow).path({{10, 1}, {32, 1}}).arc(17, 17, 1, 1, 10, 1, 1, 10);
                 s.path({{1, 10}, {1, 20}}).arc(17, 14, 1, 28, -16, 14, 9, 29);
             },
         .raised =
             [](Sketch& s) {
                 s.pen(buttonShadow).roundRect(0, 0, 38, 28, 15, 15);
                 topAndLeftSides(s.pen(buttonHighlight));
                 s.arc(17, 13, 0, 28, -16, 14, 9, 29).arc(17, 13, 0, 29, -16, 14, 9, 29);
             },
         .upperEdgePressed = upperLeftEdge,
         .upperEdgeRaised = upperLeftEdge,
         .engraved =
             [](Sketch& s) {
                 s.pen(buttonShadow).roundRect(0, 0, 38, 28, 16, 16);
                 s.pen(buttonHighlight).roundRect(1, 1, 39, 29, 16, 16);
             },
         .glowPressed =
             [](Sketch& s) {
                 s.arc(23, 13, 37, 27, 30, 27, 38, 20).path({{31, 26}, {8, 26}});
                 s.path({{36, 4}, {36, 21}});
             },
         .glowEdges =
             [](Sketch& s, const EdgeColors& c) {
                 // The focus look ends its first lower-left arc one row lower.
                 const int cornerEndY = c == focusEdges ? 30 : 29;
                 s.pen(c[0]).arc(16, 13, 1, 28, -17, 30, 8, 29).path({{32, 27}, {8, 27}});
                 s.arc(23, 13, 38, 28, 30, 28, 39, 20);
                 s.pen(c[1]).arc(17, 12, 1, 27, -18, 30, 10, cornerEndY).path({{1, 6}, {1, 22}});
                 s.path({{32, 26}, {8, 26}}).arc(23, 13, 37, 27, 30, 28, 39, 20);
                 s.path({{37, 6}, {37, 22}});
                 s.pen(c[2]).path({{2, 7}, {2, 23}}).path({{36, 7}, {36, 23}});
                 s.arc(17, 17, 1, 1, 8, 0, 0, 8).arc(23, 17, 38, 1, 39, 8, 28, 1);
                 s.arc(23, 17, 37, 2, 39, 8, 28, 1).arc(17, 17, 2, 2, 8, 0, 0, 8);
                 s.pen(c[3]).path({{10, 1}, {33, 1}});
                 s.pen(c[4]).path({{10, 2}, {32, 2}});
             },
         .innerOutline = [](Sketch& s) { s.roundRect(1, 1, 38, 28, 14, 14); },
         .focusOutline = [](Sketch& s) { s.roundRect(4, 4, 35, 25, 15, 15); }});
}

TEST(RoundRectRenderer, RegionCornersAreFifteenPixelsWhileTheOutlineUsesSixteen) {
    const QRegion region = windowRegion(DrawShapeRoundRect, 40, 30);
    EXPECT_EQ(region, regionPixels(CreateRoundRectRgn(0, 0, 40, 30, 15, 15)));
    EXPECT_NE(region, regionPixels(CreateRoundRectRgn(0, 0, 40, 30, 16, 16)));
}

// The region ends where the outline RoundRect(0, 0, W − 1, H − 1) ends, leaving no column or
// row of face outside it, and cuts none of it off.
TEST(RoundRectRenderer, RegionEndsWithTheOutlineAndShowsAllOfIt) {
    for (const QSize size : {QSize(40, 30), QSize(81, 33)}) {
        SCOPED_TRACE(size.width());
        EXPECT_EQ(windowRegion(DrawShapeRoundRect, size.width(), size.height()).boundingRect(),
                  QRect(QPoint(0, 0), QPoint(size.width() - 2, size.height() - 2)));
        EXPECT_EQ(hiddenOutline(DrawShapeRoundRect, size.width(), size.height()),
                  std::vector<QPoint>{});
    }
}

} // namespace
} // namespace dorvak
