#include "platform/gdi/Bitmaps.h"

#include "platform/gdi/GdiObjects.h"

#include <cstdlib>
#include <cstring>

namespace dorvak {

namespace {

// A 32-bit pixel in memory order blue, green, red, unused is the image's 0x??RRGGBB. The
// caller's buffer may be bytes of any alignment, so it is copied, not cast.
void copyRow(const unsigned char* source, std::uint32_t* target, int width) {
    std::memcpy(target, source, std::size_t(width) * 4);
    for (int x = 0; x < width; ++x)
        target[x] |= 0xFF000000u;
}

} // namespace

HBITMAP CreateBitmap(int width, int height, unsigned planes, unsigned bitsPerPixel,
                     const void* bits) {
    if (width <= 0 || height <= 0 || planes != 1 || bitsPerPixel != 32)
        return 0;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(0xFF000000u);
    if (bits) {
        const auto* source = static_cast<const unsigned char*>(bits);
        for (int y = 0; y < height; ++y)
            copyRow(source + qsizetype(y) * width * 4,
                    reinterpret_cast<std::uint32_t*>(image.scanLine(y)), width);
    }
    return addGdiObject(Bitmap{image});
}

int SetDIBits(HDC /*hdc*/, HBITMAP bitmap, unsigned startLine, unsigned lines, const void* bits,
              const BITMAPINFO* info, std::uint32_t colorUse) {
    Bitmap* target = findGdiObject<Bitmap>(bitmap);
    if (!target || !bits || !info || colorUse != DIB_RGB_COLORS)
        return 0;
    const BITMAPINFOHEADER& header = info->bmiHeader;
    const int height = target->image.height();
    if (header.biBitCount != 32 || header.biCompression != BI_RGB ||
        header.biWidth != target->image.width() || header.biHeight == 0)
        return 0;
    // Rows are copied as whole 32-bit pixels of the bitmap's width.
    Q_ASSERT(target->image.depth() == 32);
    const bool topDown = header.biHeight < 0;
    const auto* source = static_cast<const unsigned char*>(bits);
    int copied = 0;
    for (unsigned row = 0; row < lines; ++row) {
        const long long line = (long long)startLine + row;
        const long long y = topDown ? line : height - 1 - line;
        if (y < 0 || y >= height || line >= std::llabs(header.biHeight))
            break;
        copyRow(source + qsizetype(row) * header.biWidth * 4,
                reinterpret_cast<std::uint32_t*>(target->image.scanLine(int(y))), header.biWidth);
        ++copied;
    }
    return copied;
}

PicturePtr OleCreatePictureIndirect(const PICTDESC& description, bool ownsBitmap) {
    if (description.picType != PICTYPE_BITMAP)
        return nullptr;
    if (ownsBitmap) {
        std::optional<Bitmap> bitmap = takeGdiObject<Bitmap>(description.hbitmap);
        return bitmap ? pictureFromImage(bitmap->image) : nullptr;
    }
    const Bitmap* bitmap = findGdiObject<Bitmap>(description.hbitmap);
    return bitmap ? pictureFromImage(bitmap->image) : nullptr;
}

} // namespace dorvak
