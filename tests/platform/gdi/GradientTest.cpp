#include "platform/gdi/Gradient.h"
#include "platform/gdi/Surface.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace dorvak {
namespace {

TRIVERTEX vertex(int x, int y, int red, int green, int blue) {
    return {x, y, std::uint16_t(red * 256), std::uint16_t(green * 256), std::uint16_t(blue * 256),
            0};
}

std::vector<OleColor> row(const Surface& surface, int y) {
    std::vector<OleColor> colors;
    for (int x = 0; x < surface.width(); ++x)
        colors.push_back(plainFromPixel(surface.image().pixel(x, y)));
    return colors;
}

std::vector<OleColor> column(const Surface& surface, int x) {
    std::vector<OleColor> colors;
    for (int y = 0; y < surface.height(); ++y)
        colors.push_back(plainFromPixel(surface.image().pixel(x, y)));
    return colors;
}

TEST(GradientFill, BlendsEachColourFromItsOwnVertexEdge) {
    Surface surface(4, 2);
    surface.setBackColor(0xFFFFFF);
    const GRADIENT_RECT mesh{0, 1};

    // Lower-left and upper-right corners, as the button's horizontal background passes them.
    const TRIVERTEX horizontal[] = {vertex(0, 2, 0, 0, 0), vertex(4, 0, 255, 0, 0)};
    ASSERT_TRUE(GradientFill(surface.hdc(), horizontal, 2, &mesh, 1, GRADIENT_FILL_RECT_H));
    const std::vector<OleColor> expected = {rgb(0, 0, 0), rgb(63, 0, 0), rgb(127, 0, 0),
                                            rgb(191, 0, 0)};
    EXPECT_EQ(row(surface, 0), expected);
    EXPECT_EQ(row(surface, 1), expected);

    // Vertical: the vertex with the smaller y owns the top edge, whichever it is.
    Surface tall(1, 4);
    const TRIVERTEX vertical[] = {vertex(0, 4, 0, 0, 0), vertex(1, 0, 0, 0, 255)};
    ASSERT_TRUE(GradientFill(tall.hdc(), vertical, 2, &mesh, 1, GRADIENT_FILL_RECT_V));
    EXPECT_EQ(column(tall, 0), (std::vector<OleColor>{rgb(0, 0, 255), rgb(0, 0, 191),
                                                      rgb(0, 0, 127), rgb(0, 0, 63)}));
}

// Each channel is rounded down, falling or rising, so a gradient and its reverse mirror each
// other: 255 · 129 / 257 = 127.87 gives 127 at x = 128 of the falling one as at x = 129 of
// the rising one.
TEST(GradientFill, FallingChannelsRoundDownAsRisingOnesDo) {
    Surface falling(257, 1), rising(257, 1);
    const GRADIENT_RECT mesh{0, 1};
    const TRIVERTEX down[] = {vertex(0, 0, 255, 255, 255), vertex(257, 1, 0, 0, 0)};
    const TRIVERTEX up[] = {vertex(0, 0, 0, 0, 0), vertex(257, 1, 255, 255, 255)};
    ASSERT_TRUE(GradientFill(falling.hdc(), down, 2, &mesh, 1, GRADIENT_FILL_RECT_H));
    ASSERT_TRUE(GradientFill(rising.hdc(), up, 2, &mesh, 1, GRADIENT_FILL_RECT_H));
    const std::vector<OleColor> fall = row(falling, 0), rise = row(rising, 0);
    EXPECT_EQ(fall[128], rgb(127, 127, 127));
    // x = 1 … 256 of the falling one against x = 256 … 1 of the rising one.
    EXPECT_TRUE(std::equal(fall.begin() + 1, fall.end(), rise.rbegin(), rise.rend() - 1));
}

TEST(GradientFill, ClipsToTheSurfaceButBlendsOverTheWholeRectangle) {
    Surface surface(3, 1);
    surface.setBackColor(0xFFFFFF);
    const GRADIENT_RECT mesh{1, 0};
    const TRIVERTEX vertices[] = {vertex(2, 1, 255, 255, 255), vertex(-2, 0, 0, 0, 0)};
    ASSERT_TRUE(GradientFill(surface.hdc(), vertices, 2, &mesh, 1, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(row(surface, 0),
              (std::vector<OleColor>{rgb(127, 127, 127), rgb(191, 191, 191), rgb(255, 255, 255)}));

    const GRADIENT_RECT outOfRange{0, 2};
    EXPECT_FALSE(GradientFill(surface.hdc(), vertices, 2, &outOfRange, 1, GRADIENT_FILL_RECT_H));
    EXPECT_FALSE(GradientFill(surface.hdc(), vertices, 2, &mesh, 1, 2)) << "triangles";
    EXPECT_FALSE(GradientFill(0, vertices, 2, &mesh, 1, GRADIENT_FILL_RECT_V));
}

} // namespace
} // namespace dorvak
