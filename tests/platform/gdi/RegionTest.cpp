#include "platform/gdi/Drawing.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/Surface.h"
#include "tests/support/PixelMaps.h"

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

// What RoundRect() draws for the box, and on each row everything between its leftmost and
// rightmost pixel.
std::string filledOutline(int width, int height, int right, int bottom, int cornerWidth,
                          int cornerHeight) {
    Surface surface(width, height);
    surface.setBackColor(0xFFFFFF);
    surface.setForeColor(0x000000);
    RoundRect(surface.hdc(), 0, 0, right, bottom, cornerWidth, cornerHeight);
    std::string map = pixelMap(surface.image(), 0x000000);
    for (std::size_t start = 0; start < map.size(); start = map.find('\n', start) + 1) {
        const std::size_t end = map.find('\n', start);
        const std::size_t first = map.find('#', start), last = map.rfind('#', end);
        if (first < end)
            map.replace(first, last - first + 1, last - first + 1, '#');
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

    // The point (x, y) decides, not the pixel's centre: (3, 0) lies inside, left of the
    // slanted edge, so the wedge's rows are one pixel longer than its centres would give.
    const POINT triangle[] = {{0, 0}, {4, 0}, {0, 4}};
    const HRGN wedge = CreatePolygonRgn(triangle, 3, ALTERNATE);
    EXPECT_EQ(regionMap(wedge, 5, 5), rows("####.", "###..", "##...", "#....", "....."));

    for (const HRGN region : {rect, polygon, wedge})
        EXPECT_TRUE(DeleteObject(region));
    EXPECT_FALSE(DeleteObject(rect)) << "deleted twice";
}

TEST(Regions, PolygonsOfFewerThanThreePointsAreEmptyNotFailures) {
    const POINT line[] = {{1, 1}, {7, 5}};
    for (int count = 0; count <= 2; ++count) {
        const HRGN region = CreatePolygonRgn(line, count, WINDING);
        ASSERT_NE(findGdiObject<QRegion>(region), nullptr) << count << " points";
        EXPECT_TRUE(findGdiObject<QRegion>(region)->isEmpty()) << count << " points";
        DeleteObject(region);
    }
    EXPECT_EQ(CreatePolygonRgn(nullptr, 3, WINDING), HRGN());
    EXPECT_EQ(CreatePolygonRgn(line, -1, WINDING), HRGN());
    EXPECT_EQ(CreatePolygonRgn(line, 2, 3), HRGN()) << "no such fill mode";
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

// The region of a box leaves out its last column and row: it is RoundRect()'s outline for
// the box one pixel smaller, and its inside. At the renderers' sizes and in either order.
TEST(Regions, RoundedAndEllipticRegionsAreTheOutlineOfTheBoxLessItsLastColumnAndRow) {
    struct Box {
        int width, height, cornerWidth, cornerHeight;
    };
    for (const Box box : {Box{81, 33, 15, 15}, Box{40, 30, 15, 15}, Box{64, 64, 64, 64},
                          Box{200, 200, 200, 200}, Box{81, 33, 81, 33}}) {
        SCOPED_TRACE(testing::Message() << box.width << " × " << box.height);
        const HRGN region = box.cornerWidth == box.width
                                ? CreateEllipticRgn(box.width, box.height, 0, 0)
                                : CreateRoundRectRgn(0, 0, box.width, box.height, box.cornerWidth,
                                                     box.cornerHeight);
        EXPECT_EQ(regionMap(region, box.width, box.height),
                  filledOutline(box.width, box.height, box.width - 1, box.height - 1,
                                box.cornerWidth, box.cornerHeight));
        DeleteObject(region);
    }

    const HRGN ellipse = CreateEllipticRgn(7, 5, 0, 0);
    EXPECT_EQ(regionMap(ellipse, 7, 5),
              rows(".####..", "######.", "######.", ".####..", "......."));
    DeleteObject(ellipse);
}

} // namespace
} // namespace dorvak
