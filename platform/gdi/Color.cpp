#include "platform/gdi/Color.h"

#include "platform/runtime/RuntimeError.h"

#include <array>

namespace dorvak {

namespace {

// The classic desktop defaults, written red first as 0xRRGGBB.
constexpr std::array<std::uint32_t, 31> systemColorsRgb = {
    0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xF4F7FC, 0xABABAB, 0x3399FF, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x434E54, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xFFFFE1, 0xB5B5B5, 0x0066CC, 0xB9D1EA, 0xD7E4F2, 0x3399FF, 0xF0F0F0,
};

constexpr OleColor systemColorFlag = 0x80000000u;

} // namespace

std::optional<OleColor> plainColor(OleColor color) {
    if ((color & 0xFF000000u) == 0)
        return color;
    const OleColor index = color & ~systemColorFlag;
    if ((color & systemColorFlag) == 0 || index >= systemColorsRgb.size())
        return std::nullopt;
    const std::uint32_t value = systemColorsRgb[index];
    return rgb(int(value >> 16), int(value >> 8), int(value));
}

bool OleTranslateColor(OleColor color, void* /*palette*/, OleColor* out) {
    const std::optional<OleColor> plain = plainColor(color);
    if (!plain)
        return false;
    if (out)
        *out = *plain;
    return true;
}

OleColor translateColor(OleColor color) {
    const std::optional<OleColor> plain = plainColor(color);
    if (!plain)
        throw RuntimeError(ErrorCode::InvalidCall);
    return *plain;
}

} // namespace dorvak
