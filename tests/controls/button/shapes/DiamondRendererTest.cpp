#include "platform/gdi/Regions.h"
#include "tests/controls/button/shapes/ShapeSketch.h"

namespace dorvak {
namespace {

constexpr OleColor black = 0x000000;

TEST(DiamondRenderer, DrawsEveryRowOfItsTable) {
    // 31 × 31: W/2 = H/2 = 15.5 → 16.
    const auto upperLeftEdge = [](Sketch& s) { s.path({{16, 0}, {0, 16}, {16, 30}}); };
    expectTable(DrawShapeDiamond,
                {.width = 31,
                 .height = 31,
                 .outline =
                     [](Sketch& s) {
                         s.path({{0, 16}, {16, 30}, {30, 16}, {16, 0}, {0, 16}});
                     },
                 .sunken =
                     [&](Sketch& s) {
                         upperLeftEdge(s.pen(darkShadow3D));
                         s.pen(buttonShadow).path({{16, 1}, {1, 16}, {16, 29}});
                     },
                 .raised =
                     [&](Sketch& s) {
                         s.pen(buttonShadow).path({{16, 29}, {29, 16}, {16, 1}});
                         upperLeftEdge(s.pen(buttonHighlight));
                     },
                 .upperEdgePressed = upperLeftEdge,
                 .upperEdgeRaised = upperLeftEdge,
                 .engraved =
                     [](Sketch& s) {
                         s.pen(buttonShadow).path({{16, 1}, {29, 16}, {16, 29}});
                         s.pen(buttonHighlight).path({{16, 1}, {1, 16}, {16, 29}});
                         s.path({{16, 0}, {30, 16}, {16, 30}});
                     },
                 .glowPressed =
                     [](Sketch& s) {
                         s.path({{16, 27}, {27, 16}, {16, 3}}).pixel(16, 1, black);
                     },
                 .glowEdges =
                     [](Sketch& s, const EdgeColors& c) {
                         s.pen(c[0]).path({{16, 29}, {29, 16}});
                         s.pen(c[1]).path({{16, 28}, {28, 16}}).path({{1, 16}, {16, 29}});
                         s.path({{29, 16}, {16, 1}});
                         s.pen(c[2]).path({{2, 16}, {16, 28}}).path({{28, 16}, {16, 2}});
                         s.pen(c[3]).path({{16, 1}, {1, 16}});
                         s.pen(c[4]).path({{16, 2}, {2, 16}});
                         s.pixel(16, 1, black);
                     },
                 .innerOutline =
                     [](Sketch& s) {
                         s.path({{1, 16}, {16, 29}, {29, 16}, {16, 1}, {1, 16}});
                     },
                 .focusOutline =
                     [](Sketch& s) {
                         s.polygon({{25, 16}, {16, 5}, {5, 16}, {16, 25}});
                         for (int x = 2; x <= 29; ++x)
                             for (int y = 1; y <= 30; y += 2)
                                 if (s.pixelAt(x, y) == focusOutlineGrey)
                                     s.pixel(x, y, black);
                     }});
}

TEST(DiamondRenderer, FocusDiamondIsDottedOnOddRows) {
    // ? is black: the grey keeps its even rows only.
    EXPECT_EQ(rendered(DrawShapeDiamond, 16, 16, focused(style(0))),
              rows("........o.......", //
                   ".......o.o......", //
                   "......o...o.....", //
                   ".....o.....o....", //
                   "....o......o....", //
                   "...o....?...o...", //
                   "..o....g.g...o..", //
                   ".o....?..?....o.", //
                   "o....g....g....o", //
                   ".o....??.?....o.", //
                   "..o.....g....o..", //
                   "...oo.......o...", //
                   ".....o.....o....", //
                   "......o...o.....", //
                   ".......o.o......", //
                   "........o......."));
}

TEST(DiamondRenderer, DottingBlackensEveryGreyPixelOnAnOddRowInsideTheScan) {
    // Grey pixels that belong to the caption, not the outline: odd rows go black within
    // columns 2 to W − 2, even rows and the columns outside stay grey.
    ShapeRun run(31, 31);
    for (const QPoint p :
         {QPoint(14, 13), QPoint(15, 14), QPoint(1, 13), QPoint(29, 29), QPoint(30, 15)})
        SetPixel(run.surface.hdc(), p.x(), p.y(), focusOutlineGrey);
    run.draw(DrawShapeDiamond, focused(style(2)));
    const auto at = [&](int x, int y) { return plainFromPixel(run.surface.image().pixel(x, y)); };
    EXPECT_EQ(at(14, 13), black);
    EXPECT_EQ(at(29, 29), black) << "the last column scanned is W - 2";
    EXPECT_EQ(at(15, 14), focusOutlineGrey);
    EXPECT_EQ(at(1, 13), focusOutlineGrey);
    EXPECT_EQ(at(30, 15), focusOutlineGrey);

    ShapeRun unfocused(31, 31);
    SetPixel(unfocused.surface.hdc(), 14, 13, focusOutlineGrey);
    unfocused.draw(DrawShapeDiamond, focused(style(4)));
    EXPECT_EQ(plainFromPixel(unfocused.surface.image().pixel(14, 13)), focusOutlineGrey)
        << "style 4 draws no focus diamond and dots nothing";
}

TEST(DiamondRenderer, ABackgroundAddsAPixelUnderTheTopVertexThatStyleSixBlackens) {
    const auto underTopVertex = [](const ShapeState& state) {
        ShapeRun run(31, 31);
        run.draw(DrawShapeDiamond, state);
        return plainFromPixel(run.surface.image().pixel(16, 1));
    };
    EXPECT_EQ(underTopVertex(style(0)), ShapeRun::face) << "no background, no pixel";
    EXPECT_EQ(underTopVertex(withBackground(style(0))), ShapeRun::border);
    EXPECT_EQ(underTopVertex(withBackground(style(6))), ShapeRun::border) << "style 6 at rest";
    EXPECT_EQ(underTopVertex(withBackground(pressed(style(6)))), black);
    EXPECT_EQ(underTopVertex(withBackground(hovered(style(6)))), black);
    EXPECT_EQ(underTopVertex(withBackground(focused(style(6)))), black);
}

TEST(DiamondRenderer, WindowRegionJoinsTheMidpointsOfTheSides) {
    const POINT corners[]{{31, 16}, {16, 0}, {0, 16}, {16, 31}};
    EXPECT_EQ(windowRegion(DrawShapeDiamond, 31, 31),
              regionPixels(CreatePolygonRgn(corners, 4, WINDING)));
    EXPECT_EQ(windowRegion(DrawShapeDiamond, 31, 31).boundingRect(),
              QRect(QPoint(0, 1), QPoint(30, 30)))
        << "the top vertex is a single point, its row left out";
}

// A region leaves out the points of its right-hand edges. The outline's upper-right side
// from the top vertex down to half way lies exactly on the region's edge (x = W/2 + y), so
// it is cut off as GDI cuts it; every other outline pixel shows.
TEST(DiamondRenderer, OnlyTheUpperHalfOfTheUpperRightSideIsCutOff) {
    for (const int size : {64, 100}) {
        SCOPED_TRACE(size);
        std::vector<QPoint> upperHalf;
        for (int y = 0; y < size / 4; ++y)
            upperHalf.emplace_back(size / 2 + y, y);
        EXPECT_EQ(hiddenOutline(DrawShapeDiamond, size, size), upperHalf);
    }
}

} // namespace
} // namespace dorvak
