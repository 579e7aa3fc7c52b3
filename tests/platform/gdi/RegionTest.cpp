#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Regions.h"
#include "tests/platform/gdi/PixelMap.h"

#include <gtest/gtest.h>

namespace dorvak {
namespace {

// The region's pixels inside a width × height window, '#' for a member.
std::string regionMap(HRGN handle, int width, int height) {
    const QRegion* region = findGdiObject<QRegion>(handle);
    if (!region)
        return "no region";
    std::string map;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            map += region->contains(QPoint(x, y)) ? '#' : '.';
        map += '\n';
    }
    return map;
}

TEST(Regions, RectanglesAndPolygonsExcludeTheirRightAndBottomEdges) {
    const HRGN rect = CreateRectRgn(3, 2, 0, 0); // corners in either order
    EXPECT_EQ(regionMap(rect, 4, 3), rows("###.", "###.", "...."));

    const POINT box[] = {{0, 0}, {40, 0}, {40, 25}, {0, 25}};
    const HRGN polygon = CreatePolygonRgn(box, 4, WINDING);
    ASSERT_NE(findGdiObject<QRegion>(polygon), nullptr);
    EXPECT_EQ(*findGdiObject<QRegion>(polygon), QRegion(0, 0, 40, 25)) << "exactly 40 × 25";

    const POINT triangle[] = {{0, 0}, {4, 0}, {0, 4}};
    const HRGN wedge = CreatePolygonRgn(triangle, 3, ALTERNATE);
    EXPECT_EQ(regionMap(wedge, 4, 4), rows("###.", "##..", "#...", "...."));

    for (const HRGN region : {rect, polygon, wedge})
        EXPECT_TRUE(DeleteObject(region));
    EXPECT_FALSE(DeleteObject(rect)) << "deleted twice";
    EXPECT_EQ(CreatePolygonRgn(triangle, 2, WINDING), 0u);
}

TEST(Regions, WindingFillsWhatAlternateLeavesOut) {
    // The same square traced twice: winding number two inside.
    const POINT twice[] = {{0, 0}, {3, 0}, {3, 2}, {0, 2}, {0, 0}, {3, 0}, {3, 2}, {0, 2}};
    const HRGN winding = CreatePolygonRgn(twice, 8, WINDING);
    const HRGN alternate = CreatePolygonRgn(twice, 8, ALTERNATE);
    EXPECT_EQ(regionMap(winding, 4, 3), rows("###.", "###.", "...."));
    EXPECT_EQ(regionMap(alternate, 4, 3), rows("....", "....", "...."));
    DeleteObject(winding);
    DeleteObject(alternate);
}

TEST(Regions, RoundedAndEllipticRegionsCoverTheOutlineAndItsInside) {
    const HRGN rounded = CreateRoundRectRgn(0, 0, 16, 12, 15, 15);
    EXPECT_EQ(regionMap(rounded, 16, 12),
              rows(".....######.....", //
                   "...##########...", //
                   "..############..", //
                   ".##############.", //
                   "################", //
                   "################", //
                   "################", //
                   "################", //
                   ".##############.", //
                   "..############..", //
                   "...##########...", //
                   ".....######....."));
    const HRGN ellipse = CreateEllipticRgn(7, 5, 0, 0);
    EXPECT_EQ(regionMap(ellipse, 8, 6),
              rows("..###...", "#######.", "#######.", "#######.", "..###...", "........"));
    EXPECT_EQ(regionMap(CreateEllipticRgn(0, 0, 0, 5), 2, 2), rows("..", "..")) << "empty box";
    DeleteObject(rounded);
    DeleteObject(ellipse);
}

} // namespace
} // namespace dorvak
