#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Picture.h"

#include <cstdint>

namespace dorvak {

// Building a picture from a pixel buffer the classic way: CreateBitmap, SetDIBits,
// OleCreatePictureIndirect. Only 32-bit pixels (blue, green, red, unused) are supported.

struct BITMAPINFOHEADER {
    std::uint32_t biSize = 40;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0; // negative: rows top-down
    std::uint16_t biPlanes = 1;
    std::uint16_t biBitCount = 32;
    std::uint32_t biCompression = 0; // BI_RGB
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;
};

struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
};

inline constexpr std::uint32_t BI_RGB = 0;
inline constexpr std::uint32_t DIB_RGB_COLORS = 0;
inline constexpr std::uint32_t PICTYPE_BITMAP = 1;

struct PICTDESC {
    std::uint32_t cbSizeofstruct = 20;
    std::uint32_t picType = PICTYPE_BITMAP;
    HBITMAP hbitmap = 0;
};

// A width × height bitmap of 1 plane and 32 bits per pixel; `bits` (top-down rows) may be
// null for all zero. 0 for any other format or an empty size.
HBITMAP CreateBitmap(int width, int height, unsigned planes, unsigned bitsPerPixel,
                     const void* bits);
// Copies `lines` rows of a 32-bit BI_RGB buffer of the bitmap's width into it, from DIB row
// `startLine`; the device context may be 0. The number of rows copied, 0 on failure.
int SetDIBits(HDC hdc, HBITMAP bitmap, unsigned startLine, unsigned lines, const void* bits,
              const BITMAPINFO* info, std::uint32_t colorUse);
// A picture of the described bitmap; when `ownsBitmap` the picture takes the bitmap and its
// handle is gone. nullptr for anything but a known bitmap.
PicturePtr OleCreatePictureIndirect(const PICTDESC& description, bool ownsBitmap);

} // namespace dorvak
