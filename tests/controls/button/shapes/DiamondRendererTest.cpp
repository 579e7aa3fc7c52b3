#include "platform/gdi/Regions.h"
#include "tests/controls/button/shapes/ShapeWindows.h"
#include <gtest/gtest.h>

namespace dorvak {
namespace {

constexpr OleColor black = 0x000000;

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
