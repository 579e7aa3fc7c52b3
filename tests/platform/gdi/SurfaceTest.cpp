#include "platform/gdi/Surface.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Gradient.h"
#include "platform/gdi/Text.h"
#include "platform/runtime/RuntimeError.h"
#include "tests/support/PixelMaps.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace dorvak {
namespace {

constexpr OleColor white = 0xFFFFFF;
constexpr OleColor red = 0x0000FF;

TEST(OleTranslateColor, PlainValuesPassAndSystemColoursComeFromTheTable) {
    OleColor out = 0;
    ASSERT_TRUE(OleTranslateColor(0x00123456, nullptr, &out));
    EXPECT_EQ(out, 0x00123456u);
    ASSERT_TRUE(OleTranslateColor(0x8000000F, nullptr, &out)); // button face
    EXPECT_EQ(out, rgb(0xF0, 0xF0, 0xF0));
    ASSERT_TRUE(OleTranslateColor(0x80000002, nullptr, &out)); // red-first table order
    EXPECT_EQ(out, rgb(0x99, 0xB4, 0xD1));
    ASSERT_TRUE(OleTranslateColor(0x8000001E, nullptr, &out)); // last index, 30
    EXPECT_EQ(out, rgb(0xF0, 0xF0, 0xF0));

    out = 42;
    EXPECT_FALSE(OleTranslateColor(0x8000001F, nullptr, &out));
    EXPECT_FALSE(OleTranslateColor(0xFFFFFFFF, nullptr, &out));
    EXPECT_FALSE(OleTranslateColor(0x81000001, nullptr, &out));
    EXPECT_EQ(out, 42u) << "a failed translation leaves the output alone";

    EXPECT_EQ(translateColor(0x80000015), rgb(0x69, 0x69, 0x69));
    try {
        translateColor(0x80000040);
        FAIL() << "a bad system index must raise";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.code(), ErrorCode::InvalidCall);
    }
}

TEST(Surface, ScaleUnitsAndSizes) {
    Surface surface(81, 33);
    EXPECT_EQ(surface.widthTwips(), 1215);
    EXPECT_EQ(surface.heightTwips(), 495);
    EXPECT_EQ(surface.scaleWidth(), 1215.0);
    surface.setScaleMode(ScaleMode::Pixels);
    EXPECT_EQ(surface.scaleWidth(), 81.0);
    EXPECT_EQ(surface.scaleHeight(), 33.0);
    // 2540 hundredths of a millimetre are one inch: 96 pixels.
    EXPECT_DOUBLE_EQ(Surface::scaleX(2540, ScaleMode::Himetric, ScaleMode::Pixels), 96.0);
    EXPECT_DOUBLE_EQ(Surface::scaleY(1440, ScaleMode::Twips, ScaleMode::Pixels), 96.0);
}

TEST(Surface, BackColourClearsAndClsRestoresThePicture) {
    Surface surface(4, 3);
    surface.setBackColor(white);
    EXPECT_EQ(pixelMap(surface.image(), red), rows("....", "....", "...."));

    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(pixelFromPlain(red));
    surface.setPicture(picture);
    surface.line(0, 2, 4, 2, red); // twips mode: (0,2)-(4,2) twips is pixel 0 to 0
    surface.setScaleMode(ScaleMode::Pixels);
    surface.line(0, 2, 4, 2, red);
    EXPECT_EQ(pixelMap(surface.image(), red), rows("##..", "##..", "####"));

    surface.cls();
    EXPECT_EQ(pixelMap(surface.image(), red), rows("##..", "##..", "...."));
    surface.setBackColor(0x8000000F);
    EXPECT_EQ(surface.backColor(), 0x8000000Fu) << "kept untranslated";
    EXPECT_EQ(plainFromPixel(surface.image().pixel(3, 2)), rgb(0xF0, 0xF0, 0xF0));
    EXPECT_THROW(surface.setForeColor(0x80000099), RuntimeError);
}

TEST(Surface, LinesInTwipsLandOnWholePixels) {
    Surface surface(5, 4);
    surface.setBackColor(white);
    // The skin's frame: a column 15 twips in and a row one pixel above the bottom.
    surface.line(15, 0, 15, surface.heightTwips(), red);
    surface.line(0, surface.heightTwips() - 15, surface.widthTwips() - 15,
                 surface.heightTwips() - 15, red);
    EXPECT_EQ(pixelMap(surface.image(), red), rows(".#...", ".#...", ".#...", "####."));
}

TEST(Surface, PaintPictureAndResizeKeepDrawing) {
    Surface surface(3, 2);
    surface.setBackColor(white);
    surface.setScaleMode(ScaleMode::Pixels);
    QImage dot(1, 1, QImage::Format_RGB32);
    dot.fill(pixelFromPlain(red));
    surface.paintPicture(dot, 2, 1);
    surface.resize(4, 3);
    EXPECT_EQ(pixelMap(surface.image(), red), rows("....", "..#.", "...."));
}

TEST(Surface, RefreshHandsOverOnlyTheChangedArea) {
    Surface surface(20, 10);
    surface.setScaleMode(ScaleMode::Pixels);
    std::vector<QRegion> refreshed;
    surface.setRefreshHandler([&](const QRegion& changed) { refreshed.push_back(changed); });

    surface.refresh(); // the initial clear
    surface.refresh(); // nothing new
    surface.line(2, 3, 6, 3, red);
    surface.line(-5, 8, 3, 8, red); // partly outside
    surface.refresh();
    surface.setBackStyle(Surface::Transparent); // what shows may change anywhere
    surface.refresh();
    surface.refresh();

    ASSERT_EQ(refreshed.size(), 3u);
    EXPECT_EQ(refreshed[0], QRegion(0, 0, 20, 10));
    EXPECT_EQ(refreshed[1].boundingRect(), QRect(QPoint(0, 3), QPoint(6, 8)));
    EXPECT_EQ(refreshed[2], QRegion(0, 0, 20, 10));
}

TEST(Surface, MaskColourMakesPixelsSeeThroughOnlyWhenTransparent) {
    Surface surface(4, 2);
    surface.setBackColor(white);
    surface.setScaleMode(ScaleMode::Pixels);
    surface.line(1, 0, 3, 0, red);
    surface.setMaskColor(white);
    surface.setMaskPicture(surface.image());

    EXPECT_EQ(surface.visibleRegion(), QRegion(0, 0, 4, 2)) << "opaque shows everything";
    surface.setBackStyle(Surface::Transparent);
    EXPECT_EQ(surface.visibleRegion(), QRegion(1, 0, 2, 1));

    // The default button face, given as a system colour, matches its translated pixels.
    surface.setBackColor(0x8000000F);
    surface.setMaskColor(0x8000000F);
    surface.setMaskPicture(surface.image());
    EXPECT_TRUE(surface.visibleRegion().isEmpty());
}

TEST(Surface, TheMaskPictureKeepsWhatWasDrawnWhenTheSurfaceIsClearedAndDrawnAgain) {
    // A paint ends by handing its image over as the mask picture; the next paint clears and
    // draws anew, which must not reach the mask that was handed over.
    Surface surface(4, 2);
    surface.setBackColor(white);
    surface.setScaleMode(ScaleMode::Pixels);
    surface.setMaskColor(white);
    surface.line(1, 0, 3, 0, red);
    surface.setMaskPicture(surface.image());
    surface.cls();
    surface.line(0, 1, 4, 1, red);
    EXPECT_EQ(pixelMap(surface.image(), red), rows("....", "####"));
    surface.setBackStyle(Surface::Transparent);
    EXPECT_EQ(surface.visibleRegion(), QRegion(1, 0, 2, 1));
}

TEST(Surface, VisibleRegionOfAnOutlineIsTheCanonicalRegion) {
    // Widgets compare masks to skip needless updates; that needs QRegion's own band form.
    Surface surface(5, 4);
    surface.setBackColor(white);
    surface.setScaleMode(ScaleMode::Pixels);
    surface.setBackStyle(Surface::Transparent);
    surface.line(0, 0, 4, 0, red);
    surface.line(0, 1, 4, 1, red);
    surface.line(0, 2, 0, 4, red);
    surface.line(3, 2, 3, 4, red);
    surface.setMaskColor(white);
    surface.setMaskPicture(surface.image());
    const QRegion expected = QRegion(0, 0, 4, 2) | QRegion(0, 2, 1, 2) | QRegion(3, 2, 1, 2);
    EXPECT_EQ(surface.visibleRegion(), expected);
}

// The same drawing at device scale 1, 2 and 3: above 1× every call but text draws the 1×
// pixels as k × k blocks, and every read and report stays logical.
TEST(Surface, AboveOneEachLogicalPixelIsABlockOfDevicePixels) {
    const auto draw = [](int scale) {
        auto surface = std::make_unique<Surface>(23, 17);
        surface->setDeviceScale(scale);
        surface->setBackColor(white);
        surface->setScaleMode(ScaleMode::Pixels);
        surface->setForeColor(red);
        const HDC hdc = surface->hdc();
        const POINT triangle[] = {{2, 15}, {11, 1}, {21, 14}};
        Polygon(hdc, triangle, 3);
        RoundRect(hdc, 1, 2, 20, 16, 9, 7);
        MoveToEx(hdc, 22, 0, nullptr);
        LineTo(hdc, -3, 9); // leaves the surface
        const TRIVERTEX ends[] = {{3, 4, 0xFF00, 0x1200, 0x0000, 0},
                                  {9, 12, 0x0000, 0x8000, 0xFF00, 0}};
        const GRADIENT_RECT mesh{0, 1};
        GradientFill(hdc, ends, 2, &mesh, 1, GRADIENT_FILL_RECT_H);
        SetPixel(hdc, 22, 16, 0x00FF00);
        SurfacePixels(hdc).replace(QRect(0, 0, 23, 17), 2, 3, red, 0x000000);
        surface->refresh();
        return surface;
    };
    const auto one = draw(1);
    for (const int scale : {2, 3}) {
        SCOPED_TRACE(scale);
        std::vector<QRegion> refreshed;
        const auto scaled = draw(scale);
        EXPECT_EQ(scaled->width(), 23);
        EXPECT_EQ(scaled->image().size(), QSize(23, 17) * scale);
        EXPECT_EQ(scaled->image(), one->image().scaled(one->image().size() * scale));
        for (int y = -1; y <= 17; ++y)
            for (int x = -1; x <= 23; ++x)
                ASSERT_EQ(GetPixel(scaled->hdc(), x, y), GetPixel(one->hdc(), x, y))
                    << x << "," << y;
        scaled->setRefreshHandler([&](const QRegion& changed) { refreshed.push_back(changed); });
        scaled->line(2, 3, 6, 3, red);
        scaled->refresh();
        ASSERT_EQ(refreshed.size(), 1u);
        EXPECT_EQ(refreshed[0].boundingRect(), QRect(2, 3, 5, 1));
    }
}

// Above 1× a picture of the device's ratio lands pixel for pixel at its logical size, a 1×
// picture magnified; the sharper background picture shows only above 1×.
TEST(Surface, PicturesAreDrawnAtTheirLogicalSize) {
    QImage plain(2, 1, QImage::Format_RGB32);
    plain.setPixel(0, 0, pixelFromPlain(red));
    plain.setPixel(1, 0, pixelFromPlain(white));
    QImage sharp(4, 2, QImage::Format_RGB32);
    sharp.fill(pixelFromPlain(red));
    sharp.setPixel(3, 1, pixelFromPlain(white));
    sharp.setDevicePixelRatio(2);

    Surface surface(3, 2);
    surface.setScaleMode(ScaleMode::Pixels);
    surface.setBackColor(white);
    surface.setPicture(plain, sharp);
    EXPECT_EQ(pixelMap(surface.image(), red), rows("#..", "..."));
    surface.setDeviceScale(2);
    surface.cls();
    EXPECT_EQ(pixelMap(surface.image(), red), rows("####..", "###...", "......", "......"));
    surface.cls();
    surface.paintPicture(plain, 1, 1);
    EXPECT_EQ(pixelMap(surface.image(), red), rows("####..", "###...", "..##..", "..##.."));
}

TEST(Surface, AnEmptySurfaceTakesEveryCallQuietly) {
    Surface surface;
    surface.setScaleMode(ScaleMode::Pixels);
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Qt::red);
    surface.setPicture(picture);
    surface.paintPicture(picture, 0, 0);
    surface.line(0, 0, 5, 5, red);
    EXPECT_TRUE(surface.image().isNull());
    EXPECT_TRUE(surface.visibleRegion().isEmpty());

    SIZE extent;
    EXPECT_TRUE(GetTextExtentPoint32A(surface.hdc(), "Tamam", 5, &extent));
    EXPECT_GT(extent.cx, 0);
    EXPECT_TRUE(TextOutA(surface.hdc(), 0, 0, "Tamam", 5));

    surface.resize(3, 2);
    EXPECT_EQ(plainFromPixel(surface.image().pixel(1, 1)), red) << "the picture shows";
}

TEST(Surface, DeviceContextHandleDiesWithTheSurface) {
    HDC hdc = 0;
    {
        Surface surface(1, 1);
        hdc = surface.hdc();
        EXPECT_EQ(surfaceFromHdc(hdc), &surface);
        Surface other(1, 1);
        EXPECT_NE(other.hdc(), hdc);
    }
    EXPECT_EQ(surfaceFromHdc(hdc), nullptr);
    EXPECT_EQ(surfaceFromHdc(0), nullptr);
}

} // namespace
} // namespace dorvak
