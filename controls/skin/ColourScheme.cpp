#include "controls/skin/ColourScheme.h"

namespace dorvak {
namespace {

// The schemes are written red first (#RRGGBB), as a designer picks them.
constexpr OleColor hex(std::uint32_t rrggbb) {
    return rgb(int(rrggbb >> 16), int(rrggbb >> 8 & 0xFF), int(rrggbb & 0xFF));
}

constexpr RowTable rows(std::uint32_t r1, std::uint32_t r2, std::uint32_t r3, std::uint32_t r4,
                        std::uint32_t r5, std::uint32_t r6, std::uint32_t r7) {
    return {hex(r1), hex(r2), hex(r3), hex(r4), hex(r5), hex(r6), hex(r7)};
}

// Rows shared by both schemes.
constexpr RowTable buttonRowsHover =
    rows(0x2D73A3, 0x2C7BAF, 0x2C89BF, 0x2C9AD0, 0x2C9AD0, 0x29A9DF, 0x24C6EB);
constexpr RowTable buttonRowsPressed =
    rows(0x203B52, 0x1F445B, 0x236273, 0x278791, 0x278791, 0x2BA8AC, 0x27C9C8);
constexpr RowTable closeRowsNormal =
    rows(0xB8432C, 0xBA4932, 0xBF543F, 0xC5624F, 0xC5624F, 0xCD7363, 0xD58576);
constexpr RowTable closeRowsHover =
    rows(0xD22302, 0xD22302, 0xD5330D, 0xDA5121, 0xDA5121, 0xE07439, 0xE8A056);
constexpr RowTable closeRowsPressed =
    rows(0x831800, 0x871900, 0x852B01, 0x914312, 0x914312, 0xA8682C, 0xC1934A);

constexpr ColourScheme lightBlue{
    .CaptionColour = hex(0x000000),
    .FrameColour = hex(0xB9D1EA),
    .GradientTopColour = hex(0x98B4D0),
    .InnerLineColour = hex(0x28CFE4),
    .OuterLineColour = hex(0x000000),
    .ButtonOutline = hex(0x5D6F88),
    .ButtonInnerLine = hex(0xDEE7F2),
    .ButtonFlatNormal = hex(0xC1D3E7),
    .ButtonFlatHover = hex(0x96CBEF),
    .ButtonFlatPressed = hex(0x6E889C),
    .CloseOutline = hex(0x431422),
    .CloseInnerLine = hex(0xF4D3CC),
    .CloseFlatNormal = hex(0xE49F92),
    .CloseFlatHover = hex(0xFCB9AD),
    .CloseFlatPressed = hex(0xBF8F76),
    .ButtonRowsNormal = rows(0x98B1CC, 0x9EB7D1, 0xA4BED8, 0xACC5DF, 0xACC5DF, 0xB2CBE5, 0xB7D0E9),
    .ButtonRowsHover = buttonRowsHover,
    .ButtonRowsPressed = buttonRowsPressed,
    .CloseRowsNormal = closeRowsNormal,
    .CloseRowsHover = closeRowsHover,
    .CloseRowsPressed = closeRowsPressed,
};

constexpr ColourScheme darkGrey{
    .CaptionColour = hex(0xFFFFFF),
    .FrameColour = hex(0x242632),
    .GradientTopColour = hex(0x94979E),
    .InnerLineColour = hex(0xB4B8B9),
    .OuterLineColour = hex(0x000000),
    .ButtonOutline = hex(0x242632),
    .ButtonInnerLine = hex(0xB4B8B9),
    .ButtonFlatNormal = hex(0xB8BDC0),
    .ButtonFlatHover = hex(0x96CBEF),
    .ButtonFlatPressed = hex(0x6E889C),
    .CloseOutline = hex(0x431422),
    .CloseInnerLine = hex(0xF4D3CC),
    .CloseFlatNormal = hex(0xE49F92),
    .CloseFlatHover = hex(0xFCB9AD),
    .CloseFlatPressed = hex(0xBF8F76),
    .ButtonRowsNormal = rows(0x353E43, 0x384146, 0x363E41, 0x353D40, 0x373C40, 0x383D41, 0x393E42),
    .ButtonRowsHover = buttonRowsHover,
    .ButtonRowsPressed = buttonRowsPressed,
    .CloseRowsNormal = closeRowsNormal,
    .CloseRowsHover = closeRowsHover,
    .CloseRowsPressed = closeRowsPressed,
};

} // namespace

std::optional<ColourScheme> colourSchemeOfStyle(std::int32_t style) {
    switch (style) {
    case 0:
        return lightBlue;
    case 1:
        return darkGrey;
    default:
        return std::nullopt;
    }
}

} // namespace dorvak
