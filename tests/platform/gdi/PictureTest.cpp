#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/GdiObjects.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace dorvak {
namespace {

// Memory order blue, green, red, unused.
constexpr std::uint32_t bgr(int red, int green, int blue) {
    return std::uint32_t(blue) | std::uint32_t(green) << 8 | std::uint32_t(red) << 16;
}

TEST(Bitmaps, PixelBufferBecomesAPictureThatOwnsTheBitmap) {
    const std::uint32_t pixels[] = {bgr(255, 0, 0), bgr(255, 0, 0), bgr(0, 255, 0),
                                    bgr(0, 255, 0), bgr(0, 0, 255), bgr(0, 0, 255)};
    BITMAPINFO info;
    info.bmiHeader.biWidth = 2;
    info.bmiHeader.biHeight = -3; // top-down

    const HBITMAP bitmap = CreateBitmap(2, 3, 1, 32, nullptr);
    ASSERT_NE(bitmap, HBITMAP());
    EXPECT_EQ(SetDIBits(0, bitmap, 0, 3, pixels, &info, DIB_RGB_COLORS), 3);
    const PicturePtr picture = OleCreatePictureIndirect({20, PICTYPE_BITMAP, bitmap}, true);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->image().pixel(1, 0), qRgb(255, 0, 0));
    EXPECT_EQ(picture->image().pixel(0, 2), qRgb(0, 0, 255));
    EXPECT_FALSE(DeleteObject(bitmap)) << "the picture owns it now";

    // Bottom-up rows, and a picture that leaves the bitmap to its creator.
    const HBITMAP kept = CreateBitmap(2, 3, 1, 32, nullptr);
    info.bmiHeader.biHeight = 3;
    EXPECT_EQ(SetDIBits(0, kept, 0, 3, pixels, &info, DIB_RGB_COLORS), 3);
    const PicturePtr shared = OleCreatePictureIndirect({20, PICTYPE_BITMAP, kept}, false);
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(shared->image().pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(shared->image().pixel(0, 2), qRgb(255, 0, 0));
    EXPECT_TRUE(DeleteObject(kept));

    EXPECT_EQ(CreateBitmap(2, 2, 1, 24, nullptr), HBITMAP());
    EXPECT_EQ(SetDIBits(0, kept, 0, 3, pixels, &info, DIB_RGB_COLORS), 0) << "deleted bitmap";
    EXPECT_EQ(OleCreatePictureIndirect({20, PICTYPE_BITMAP, kept}, true), nullptr);
}

TEST(Picture, LoadsBmpAndJpegAndReportsItsSizeInHimetric) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage image(96, 48, QImage::Format_RGB32);
    image.fill(qRgb(200, 40, 40));
    ASSERT_TRUE(image.save(dir.filePath("p.bmp")));
    ASSERT_TRUE(image.save(dir.filePath("p.jpg")));

    const PicturePtr bmp = loadPicture(dir.filePath("p.bmp"));
    ASSERT_NE(bmp, nullptr);
    EXPECT_EQ(bmp->image().pixel(10, 10), qRgb(200, 40, 40));
    EXPECT_EQ(bmp->widthHimetric(), 2540) << "one inch";
    EXPECT_EQ(bmp->heightHimetric(), 1270);

    const PicturePtr jpeg = loadPicture(dir.filePath("p.jpg"));
    ASSERT_NE(jpeg, nullptr);
    EXPECT_EQ(jpeg->image().size(), QSize(96, 48));
    EXPECT_NEAR(qRed(jpeg->image().pixel(10, 10)), 200, 8);

    EXPECT_EQ(loadPicture(dir.filePath("missing.bmp")), nullptr);
    EXPECT_EQ(pictureFromImage(QImage()), nullptr);
}

} // namespace
} // namespace dorvak
