#include "platform/gdi/Drawing.h"
#include "platform/gdi/Raster.h"
#include "platform/gdi/Surface.h"
#include "tests/support/PixelMaps.h"

#include <gtest/gtest.h>
#include <memory>

namespace dorvak {
namespace {

constexpr OleColor black = 0x000000;
constexpr OleColor white = 0xFFFFFF;

// A white surface in pixel scale with a black pen, as the renderers find it.
std::unique_ptr<Surface> paper(int width, int height) {
    auto surface = std::make_unique<Surface>(width, height);
    surface->setScaleMode(ScaleMode::Pixels);
    surface->setBackColor(white);
    surface->setForeColor(black);
    return surface;
}

std::string lineMap(int width, int height, QPoint from, QPoint to) {
    auto surface = paper(width, height);
    MoveToEx(surface->hdc(), from.x(), from.y(), nullptr);
    LineTo(surface->hdc(), to.x(), to.y());
    return pixelMap(surface->image(), black);
}

TEST(LineTo, EveryOctantAndAxisFollowsTheClassicRasteriserWithoutTheEndPixel) {
    struct Case {
        const char* name;
        QPoint from, to;
        std::string map;
    };
    const Case cases[] = {
        {"octant 1", {0, 0}, {5, 2}, rows("##....", "..##..", "....#.")},
        {"octant 2", {0, 0}, {2, 5}, rows("#..", "#..", ".#.", ".#.", "..#", "...")},
        {"octant 3", {2, 0}, {0, 5}, rows("..#", "..#", ".#.", ".#.", "#..", "...")},
        {"octant 4", {5, 0}, {0, 2}, rows("....##", "..##..", ".#....")},
        // The reverse of octant 1 takes the other pixel at the first tie.
        {"octant 5", {5, 2}, {0, 0}, rows(".#....", "..##..", "....##")},
        {"octant 6", {2, 5}, {0, 0}, rows("...", "#..", ".#.", ".#.", "..#", "..#")},
        {"octant 7", {0, 5}, {2, 0}, rows("...", "..#", ".#.", ".#.", "#..", "#..")},
        {"octant 8", {0, 2}, {5, 0}, rows("....#.", "..##..", "##....")},
        {"diagonal", {0, 0}, {3, 3}, rows("#...", ".#..", "..#.", "....")},
        {"right", {1, 0}, {4, 0}, rows(".###.")},
        {"left", {4, 0}, {1, 0}, rows("..###")},
        {"down", {0, 1}, {0, 3}, rows(".", "#", "#", ".")},
        {"up", {0, 3}, {0, 0}, rows(".", "#", "#", "#")},
        {"point", {1, 1}, {1, 1}, rows("...", "...", "...")},
    };
    for (const Case& c : cases) {
        const int width = int(c.map.find('\n'));
        const int height = int(std::count(c.map.begin(), c.map.end(), '\n'));
        EXPECT_EQ(lineMap(width, height, c.from, c.to), c.map) << c.name;
    }
}

TEST(LineTo, ClipsAtTheEdgesAndMovesThePen) {
    auto surface = paper(4, 3);
    const HDC hdc = surface->hdc();
    POINT previous{7, 7};
    ASSERT_TRUE(MoveToEx(hdc, -3, 1, &previous));
    EXPECT_EQ(previous.x, 0);
    EXPECT_EQ(previous.y, 0);
    ASSERT_TRUE(LineTo(hdc, 9, 1));
    ASSERT_TRUE(LineTo(hdc, 3, -4)); // from the pen's new place, mostly outside
    ASSERT_TRUE(LineTo(hdc, -20, 30));
    MoveToEx(hdc, 0, 0, &previous);
    EXPECT_EQ(previous.x, -20);
    EXPECT_EQ(previous.y, 30);
    EXPECT_EQ(pixelMap(surface->image(), black), rows("#...", "####", "...."));

    // Far outside the device coordinate space: nothing, and no overflow on the way.
    surface->cls();
    MoveToEx(hdc, -2'000'000'000, 1, nullptr);
    LineTo(hdc, 2'000'000'000, 2);
    MoveToEx(hdc, 0, -2'000'000'000, nullptr);
    LineTo(hdc, 3, 2'000'000'000);
    EXPECT_EQ(pixelMap(surface->image(), black), rows("....", "....", "...."));
}

TEST(Polygon, IsTheHollowClosedOutlineWithEachVertexOnce) {
    auto surface = paper(5, 5);
    const POINT triangle[] = {{0, 0}, {4, 0}, {0, 4}};
    ASSERT_TRUE(Polygon(surface->hdc(), triangle, 3));
    EXPECT_EQ(pixelMap(surface->image(), black), rows("#####", "#..#.", "#.#..", "##...", "#...."));
    EXPECT_FALSE(Polygon(surface->hdc(), triangle, 1));
}

TEST(RoundRect, SmallCornersGiveTheRectangleInEitherCornerOrder) {
    auto surface = paper(6, 3);
    ASSERT_TRUE(RoundRect(surface->hdc(), 0, 0, 6, 3, 0, 0));
    const std::string rectangle = rows("######", "#....#", "######");
    EXPECT_EQ(pixelMap(surface->image(), black), rectangle);

    surface->cls();
    // Corner sizes up to 2 still give square corners; the box is given bottom-right first.
    RoundRect(surface->hdc(), 6, 3, 0, 0, 2, 9);
    EXPECT_EQ(pixelMap(surface->image(), black), rectangle);

    surface->cls();
    RoundRect(surface->hdc(), 2, 0, 2, 3, 16, 16); // empty box
    RoundRect(surface->hdc(), 0, 1, 6, 1, 16, 16);
    EXPECT_EQ(pixelMap(surface->image(), black), rows("......", "......", "......"));
}

TEST(RoundRect, CornersOfTheRoundedButton) {
    auto surface = paper(20, 18);
    RoundRect(surface->hdc(), 0, 0, 20, 18, 16, 16);
    EXPECT_EQ(pixelMap(surface->image(), black),
              rows(".....##########.....", //
                   "....#..........#....", //
                   "..##............##..", //
                   "..#..............#..", //
                   ".#................#.", //
                   "#..................#", //
                   "#..................#", //
                   "#..................#", //
                   "#..................#", //
                   "#..................#", //
                   "#..................#", //
                   "#..................#", //
                   "#..................#", //
                   ".#................#.", //
                   "..#..............#..", //
                   "..##............##..", //
                   "....#..........#....", //
                   ".....##########....."));

    auto odd = paper(19, 17);
    RoundRect(odd->hdc(), 0, 0, 19, 17, 15, -15); // a negative corner size counts as its size
    EXPECT_EQ(pixelMap(odd->image(), black),
              rows(".....#########.....", //
                   "...##.........##...", //
                   "..#.............#..", //
                   ".#...............#.", //
                   ".#...............#.", //
                   "#.................#", //
                   "#.................#", //
                   "#.................#", //
                   "#.................#", //
                   "#.................#", //
                   "#.................#", //
                   "#.................#", //
                   ".#...............#.", //
                   ".#...............#.", //
                   "..#.............#..", //
                   "...##.........##...", //
                   ".....#########....."));
}

TEST(RoundRect, CornersAsLargeAsTheBoxGiveTheInscribedEllipse) {
    auto odd = paper(9, 7);
    RoundRect(odd->hdc(), 0, 0, 9, 7, 100, 100);
    EXPECT_EQ(pixelMap(odd->image(), black),
              rows("..#####..", ".#.....#.", "#.......#", "#.......#", "#.......#", ".#.....#.",
                   "..#####.."));
    auto even = paper(8, 6);
    RoundRect(even->hdc(), 8, 6, 0, 0, 8, 6);
    EXPECT_EQ(pixelMap(even->image(), black),
              rows("..####..", ".#....#.", "#......#", "#......#", ".#....#.", "..####.."));
}

TEST(Arc, RunsCounterClockwiseFromTheStartRayToTheEndRay) {
    // The upper-left edge of the rounded button: a box given bottom-right first.
    auto corner = paper(18, 12);
    ASSERT_TRUE(Arc(corner->hdc(), 17, 17, 0, 0, 10, 0, 0, 10));
    EXPECT_EQ(pixelMap(corner->image(), black),
              rows("......#####.......", //
                   "....##............", //
                   "...#..............", //
                   "..#...............", //
                   ".#................", //
                   ".#................", //
                   "#.................", //
                   "#.................", //
                   "#.................", //
                   "#.................", //
                   "..................", //
                   ".................."));

    // A start point far outside the box only sets the direction of the ray.
    constexpr int h = 30;
    auto lower = paper(10, h);
    Arc(lower->hdc(), 17, h - 17, 0, h - 1, -16, h - 16, 9, h - 1);
    QImage bottom = lower->image().copy(0, 17, 10, 12);
    EXPECT_EQ(pixelMap(bottom, black),
              rows("..........", "#.........", "#.........", "#.........", "#.........",
                   "#.........", "#.........", ".#........", "..#.......", "...#......",
                   "....##....", "......##.."));
    EXPECT_EQ(pixelMap(lower->image().copy(0, 0, 10, 17), black).find('#'), std::string::npos);

    // Equal rays: the whole ellipse.
    auto whole = paper(7, 5);
    Arc(whole->hdc(), 0, 0, 7, 5, 7, 2, 7, 2);
    EXPECT_EQ(pixelMap(whole->image(), black),
              rows("..###..", "##...##", "#.....#", "##...##", "..###.."));
}

TEST(Pixels, SetAndGetWorkInsideTheImageOnly) {
    auto surface = paper(3, 2);
    const HDC hdc = surface->hdc();
    EXPECT_EQ(SetPixel(hdc, 2, 1, 0x00336699), 0x00336699u);
    EXPECT_EQ(GetPixel(hdc, 2, 1), 0x00336699u);
    EXPECT_EQ(SetPixel(hdc, 0, 0, 0x80000010), rgb(0xA0, 0xA0, 0xA0)) << "system colours translate";
    EXPECT_EQ(GetPixel(hdc, 1, 1), white);

    EXPECT_EQ(SetPixel(hdc, 3, 0, black), invalidColor);
    EXPECT_EQ(SetPixel(hdc, 0, -1, black), invalidColor);
    EXPECT_EQ(SetPixel(hdc, 1, 0, 0x80000077), invalidColor);
    EXPECT_EQ(GetPixel(hdc, -1, 0), invalidColor);
    EXPECT_EQ(GetPixel(hdc, 0, 2), invalidColor);
    EXPECT_EQ(pixelMap(surface->image(), black, white), rows("?..", "..?"));
}

// The pixel passes of a paint read and write through SurfacePixels: every answer must be
// GetPixel's and SetPixel's, also outside the image and for colours that do not translate,
// and what it wrote must reach the refresh.
TEST(Pixels, APassGivesTheAnswersOfGetAndSetPixelAndReportsWhatItWrote) {
    auto byCall = paper(4, 3);
    auto byPass = paper(4, 3);
    const QPoint probes[] = {{0, 0}, {3, 2}, {2, 1}, {4, 0}, {0, 3}, {-1, 1}, {1, -1}};
    const OleColor colours[] = {0x00336699, 0x80000010, 0x80000077, 0xFFFFFFFF, black, white};
    byPass->refresh(); // the first clear
    std::vector<QRegion> refreshed;
    byPass->setRefreshHandler([&](const QRegion& changed) { refreshed.push_back(changed); });
    {
        SurfacePixels pass(byPass->hdc());
        for (std::size_t i = 0; i < std::size(probes); ++i) {
            const QPoint at = probes[i];
            const OleColor colour = colours[i % std::size(colours)];
            SCOPED_TRACE(testing::Message()
                         << at.x() << "," << at.y() << " " << std::hex << colour);
            EXPECT_EQ(pass.get(at.x(), at.y()), GetPixel(byCall->hdc(), at.x(), at.y()));
            EXPECT_EQ(pass.set(at.x(), at.y(), colour),
                      SetPixel(byCall->hdc(), at.x(), at.y(), colour));
            EXPECT_EQ(pass.get(at.x(), at.y()), GetPixel(byCall->hdc(), at.x(), at.y()));
            for (const OleColor asked : colours)
                EXPECT_EQ(pass.matches(at.x(), at.y(), asked),
                          GetPixel(byCall->hdc(), at.x(), at.y()) == asked)
                    << std::hex << asked;
        }
    }
    EXPECT_EQ(byPass->image(), byCall->image());
    byPass->refresh();
    ASSERT_EQ(refreshed.size(), 1u);
    EXPECT_EQ(refreshed[0].boundingRect(), QRect(QPoint(0, 0), QPoint(3, 2)));

    SurfacePixels stale(HDC(0xDEAD));
    EXPECT_EQ(stale.get(0, 0), invalidColor);
    EXPECT_EQ(stale.set(0, 0, black), invalidColor);
}

TEST(Pixels, ReplacingAColourVisitsTheLatticeOfTheAreaAndNothingElse) {
    // The focus marking's lattice: every other pixel from (1, 1), reaching past the edges.
    auto surface = paper(6, 4);
    surface->setBackColor(0x00336699);
    SetPixel(surface->hdc(), 3, 3, white);
    {
        SurfacePixels pass(surface->hdc());
        pass.replace(QRect(QPoint(-3, -1), QPoint(9, 9)), 2, 2, 0x00336699, black);
        pass.replace(QRect(0, 0, 6, 4), 1, 1, 0x80000012, white); // no pixel is a system colour
        pass.replace(QRect(0, 0, 6, 4), 1, 1, 0x00336699, 0x80000099); // nor becomes one
    }
    EXPECT_EQ(pixelMap(surface->image(), black, 0x00336699), rows("......", //
                                                                  ".#.#.#", //
                                                                  "......", //
                                                                  ".#.?.#"));
}

TEST(Raster, FillPixelsSetsExactlyTheCountGiven) {
    for (int count = 0; count <= 9; ++count) {
        std::vector<std::uint32_t> row(12, 0u);
        fillPixels(row.data() + 1, count, 0xFF123456u);
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(row[std::size_t(i)], i >= 1 && i <= count ? 0xFF123456u : 0u)
                << "count " << count << ", pixel " << i;
    }
}

TEST(DeviceContext, EveryCallFailsOnAStaleHandle) {
    HDC stale = 0;
    {
        auto surface = paper(2, 2);
        stale = surface->hdc();
    }
    const POINT points[] = {{0, 0}, {1, 1}};
    EXPECT_FALSE(MoveToEx(stale, 0, 0, nullptr));
    EXPECT_FALSE(LineTo(stale, 1, 1));
    EXPECT_FALSE(Polygon(stale, points, 2));
    EXPECT_FALSE(RoundRect(stale, 0, 0, 2, 2, 0, 0));
    EXPECT_FALSE(Arc(stale, 0, 0, 2, 2, 0, 0, 0, 0));
    EXPECT_EQ(SetPixel(stale, 0, 0, black), invalidColor);
    EXPECT_EQ(GetPixel(stale, 0, 0), invalidColor);
    EXPECT_FALSE(LineTo(HDC(0x12345678), 1, 1));
}

} // namespace
} // namespace dorvak
