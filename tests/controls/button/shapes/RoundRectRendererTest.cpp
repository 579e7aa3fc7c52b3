#include "platform/gdi/Regions.h"
#include "tests/controls/button/shapes/ShapeWindows.h"
#include <gtest/gtest.h>

namespace dorvak {
namespace {

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
