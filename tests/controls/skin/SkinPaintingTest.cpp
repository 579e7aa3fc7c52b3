// The title bar's gradient and border lines, and the frame drawn on the host.
#include "SkinTestSupport.h"

#include "controls/skin/GradientPicture.h"
#include "platform/forms/PictureBox.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace dorvak {
namespace {

OleColor pixelAt(const QImage& image, int x, int y) {
    return plainFromPixel(image.pixel(x, y));
}

TEST(SkinGradient, RowsRunFromTheTopColourToTheBottomColour) {
    // The light scheme's title bar: 26 rows from #98B4D0 to #B9D1EA.
    const PicturePtr gradient =
        MakeGradientPicture(3, 26, rgb(0x98, 0xB4, 0xD0), rgb(0xB9, 0xD1, 0xEA));
    ASSERT_TRUE(gradient);
    const QImage& image = gradient->image();
    ASSERT_EQ(image.size(), QSize(3, 26));
    EXPECT_EQ(pixelAt(image, 0, 0), rgb(0x98, 0xB4, 0xD0));
    EXPECT_EQ(pixelAt(image, 2, 25), rgb(0xB9, 0xD1, 0xEA));
    // Row 5: t = 20/25, so red 185 − 33 × 0.8 = 158.6, green 209 − 29 × 0.8 = 185.8 and
    // blue 234 − 26 × 0.8 = 213.2. Row 15: t = 0.4, red 171.8, green 197.4, blue 223.6.
    EXPECT_EQ(pixelAt(image, 1, 5), rgb(159, 186, 213));
    EXPECT_EQ(pixelAt(image, 1, 15), rgb(172, 197, 224));
    for (int row = 1; row < 26; ++row)
        EXPECT_GE(image.pixel(0, row) & 0xFF0000u, image.pixel(0, row - 1) & 0xFF0000u);

    // A single row is the top colour; an empty size gives no picture.
    const PicturePtr line = MakeGradientPicture(4, 1, rgb(1, 2, 3), rgb(9, 9, 9));
    ASSERT_TRUE(line);
    EXPECT_EQ(pixelAt(line->image(), 3, 0), rgb(1, 2, 3));
    EXPECT_FALSE(MakeGradientPicture(0, 26, 0, 0));
    EXPECT_FALSE(MakeGradientPicture(10, 0, 0, 0));
}

TEST(SkinTitleBar, ShowsTheGradientUnderItsBorderAndKeepsItAgainstPaintRequests) {
    SkinHost host;
    xVistaForm& skin = host.skin();
    const ColourScheme& light = skin.colours();
    const QImage& bar = skin.titleBar()->surface().image();
    ASSERT_EQ(bar.size(), QSize(615, 26));

    // Away from the lines and buttons the gradient shows, top to bottom row.
    EXPECT_EQ(pixelAt(bar, 300, 1),
              plainFromPixel(MakeGradientPicture(1, 26, light.GradientTopColour, light.FrameColour)
                                 ->image()
                                 .pixel(0, 1)));
    EXPECT_EQ(pixelAt(bar, 300, 25), light.FrameColour);
    // Outer line along the top (up to W − 15) and down both sides; the inner line at W − 30
    // from the second row; the third line in the control's own back colour.
    EXPECT_EQ(pixelAt(bar, 0, 0), light.OuterLineColour);
    EXPECT_EQ(pixelAt(bar, 613, 0), light.OuterLineColour);
    EXPECT_EQ(pixelAt(bar, 614, 0), light.OuterLineColour); // the right-hand line
    EXPECT_EQ(pixelAt(bar, 0, 25), light.OuterLineColour);
    EXPECT_EQ(pixelAt(bar, 614, 25), light.OuterLineColour);
    EXPECT_EQ(pixelAt(bar, 613, 1), light.InnerLineColour);
    EXPECT_NE(pixelAt(bar, 613, 0), light.InnerLineColour);
    EXPECT_EQ(pixelAt(bar, 1, 1), translateColor(skin.surface().backColor()));

    // Once painted, a paint request of the platform leaves the bar as it is.
    skin.titleBar()->surface().line(300, 150, 315, 150, 0x0000FF);
    skin.titleBar()->Paint.raise();
    EXPECT_EQ(pixelAt(bar, 20, 10), 0x0000FFu);
    // A Style change paints it afresh.
    skin.setStyle(1);
    EXPECT_EQ(pixelAt(bar, 300, 25), colourSchemeOfStyle(1)->FrameColour);
    EXPECT_NE(pixelAt(bar, 20, 10), 0x0000FFu);
}

TEST(SkinHostFrame, FollowsTheHostToEveryNewSize) {
    SkinHost host;
    host.form().show();
    const ColourScheme& c = host.skin().colours();
    const OleColor back = translateColor(host.form().BackColor());
    for (const QSize size : {QSize(615, 557), QSize(300, 200), QSize(801, 433)}) {
        host.form().resize(size);
        QApplication::processEvents();
        const QImage& frame = host.form().surface().image();
        ASSERT_EQ(frame.size(), size);
        const int w = size.width();
        const int h = size.height();
        const int y = h / 2;
        const int x = w / 2;
        // Columns from the left: outer, back colour, frame, frame.
        EXPECT_EQ(pixelAt(frame, 0, y), c.OuterLineColour) << w << "x" << h;
        EXPECT_EQ(pixelAt(frame, 1, y), back);
        EXPECT_EQ(pixelAt(frame, 2, y), c.FrameColour);
        EXPECT_EQ(pixelAt(frame, 3, y), c.FrameColour);
        EXPECT_EQ(pixelAt(frame, 4, y), back);
        // From the right: outer, inner, frame, frame.
        EXPECT_EQ(pixelAt(frame, w - 1, y), c.OuterLineColour);
        EXPECT_EQ(pixelAt(frame, w - 2, y), c.InnerLineColour);
        EXPECT_EQ(pixelAt(frame, w - 3, y), c.FrameColour);
        EXPECT_EQ(pixelAt(frame, w - 4, y), c.FrameColour);
        EXPECT_EQ(pixelAt(frame, w - 5, y), back);
        // Rows from the bottom: outer, inner, frame, frame.
        EXPECT_EQ(pixelAt(frame, x, h - 1), c.OuterLineColour);
        EXPECT_EQ(pixelAt(frame, x, h - 2), c.InnerLineColour);
        EXPECT_EQ(pixelAt(frame, x, h - 3), c.FrameColour);
        EXPECT_EQ(pixelAt(frame, x, h - 4), c.FrameColour);
        EXPECT_EQ(pixelAt(frame, x, h - 5), back);
        // The rows' ends: the inner row starts at the second column, the frame rows at the
        // third; the outer row stops short of the last column, which the outer column takes.
        EXPECT_EQ(pixelAt(frame, 1, h - 2), c.InnerLineColour);
        EXPECT_EQ(pixelAt(frame, 1, h - 3), back);
        EXPECT_EQ(pixelAt(frame, w - 2, h - 1), c.OuterLineColour);
    }
}

} // namespace
} // namespace dorvak
