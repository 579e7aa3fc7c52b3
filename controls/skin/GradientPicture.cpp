#include "controls/skin/GradientPicture.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/GdiObjects.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace dorvak {
namespace {

// Nearest value, halves to even, as every rounding of the runtime.
std::uint8_t blend(unsigned bottom, unsigned top, double t) {
    return std::uint8_t(std::nearbyint(bottom + (double(top) - double(bottom)) * t));
}

} // namespace

PicturePtr MakeGradientPicture(int width, int height, OleColor topColour, OleColor bottomColour) {
    if (width <= 0 || height <= 0)
        return nullptr;

    // Blue, green, red and an unused byte per pixel, rows top-down.
    std::vector<std::uint8_t> pixels(std::size_t(width) * std::size_t(height) * 4, 0);
    for (int row = 0; row < height; ++row) {
        // One row has nothing to blend towards: it is the top colour.
        const double t = height == 1 ? 1.0 : double(height - 1 - row) / double(height - 1);
        const std::uint8_t red = blend(bottomColour & 0xFF, topColour & 0xFF, t);
        const std::uint8_t green = blend(bottomColour >> 8 & 0xFF, topColour >> 8 & 0xFF, t);
        const std::uint8_t blue = blend(bottomColour >> 16 & 0xFF, topColour >> 16 & 0xFF, t);
        std::uint8_t* pixel = pixels.data() + std::size_t(row) * std::size_t(width) * 4;
        for (int column = 0; column < width; ++column, pixel += 4) {
            pixel[0] = blue;
            pixel[1] = green;
            pixel[2] = red;
        }
    }

    BITMAPINFO info;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biSizeImage = std::uint32_t((32 * width + 31) / 32 * 4 * height);

    const HBITMAP bitmap = CreateBitmap(width, height, 1, 32, nullptr);
    if (!bitmap)
        return nullptr;
    if (SetDIBits(0, bitmap, 0, unsigned(height), pixels.data(), &info, DIB_RGB_COLORS) == 0) {
        DeleteObject(bitmap);
        return nullptr;
    }
    PICTDESC description;
    description.hbitmap = bitmap;
    PicturePtr picture = OleCreatePictureIndirect(description, true);
    if (!picture)
        DeleteObject(bitmap);
    return picture;
}

} // namespace dorvak
