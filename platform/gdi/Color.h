#pragma once

#include <QColor>
#include <cstdint>
#include <optional>

namespace dorvak {

// 0x00BBGGRR, or 0x800000nn for system colour nn.
using OleColor = std::uint32_t;

inline constexpr OleColor invalidColor = 0xFFFFFFFFu;

constexpr OleColor rgb(int red, int green, int blue) {
    return OleColor(red & 0xFF) | OleColor(green & 0xFF) << 8 | OleColor(blue & 0xFF) << 16;
}

// The plain value of a colour, system colours looked up in the fixed table; nothing for a
// value that names no colour.
std::optional<OleColor> plainColor(OleColor color);

// Classic signature; the palette is ignored. Returns false and leaves *out alone when the
// colour does not translate.
bool OleTranslateColor(OleColor color, void* palette, OleColor* out);

// As OleTranslateColor, raising RuntimeError (invalid call) for a colour that does not
// translate.
OleColor translateColor(OleColor color);

// Conversions between a plain colour and the image's 0xAARRGGBB pixels.
constexpr std::uint32_t pixelFromPlain(OleColor plain) {
    return 0xFF000000u | (plain & 0xFFu) << 16 | (plain & 0xFF00u) | (plain >> 16 & 0xFFu);
}
constexpr OleColor plainFromPixel(std::uint32_t pixel) {
    return (pixel >> 16 & 0xFFu) | (pixel & 0xFF00u) | (pixel & 0xFFu) << 16;
}

} // namespace dorvak
