#include "controls/skin/ColourScheme.h"

namespace dorvak {
namespace {

constexpr RowTable rows(std::uint32_t r1, std::uint32_t r2, std::uint32_t r3, std::uint32_t r4,
                        std::uint32_t r5, std::uint32_t r6, std::uint32_t r7) {
    return {fromRgbHex(r1), fromRgbHex(r2), fromRgbHex(r3), fromRgbHex(r4),
            fromRgbHex(r5), fromRgbHex(r6), fromRgbHex(r7)};
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
    .CaptionColour = fromRgbHex(0x000000),
    .FrameColour = fromRgbHex(0xB9D1EA),
    .GradientTopColour = fromRgbHex(0x98B4D0),
    .InnerLineColour = fromRgbHex(0x28CFE4),
    .OuterLineColour = fromRgbHex(0x000000),
    .ButtonOutline = fromRgbHex(0x5D6F88),
    .ButtonInnerLine = fromRgbHex(0xDEE7F2),
    .ButtonFlatNormal = fromRgbHex(0xC1D3E7),
    .ButtonFlatHover = fromRgbHex(0x96CBEF),
    .ButtonFlatPressed = fromRgbHex(0x6E889C),
    .CloseOutline = fromRgbHex(0x431422),
    .CloseInnerLine = fromRgbHex(0xF4D3CC),
    .CloseFlatNormal = fromRgbHex(0xE49F92),
    .CloseFlatHover = fromRgbHex(0xFCB9AD),
    .CloseFlatPressed = fromRgbHex(0xBF8F76),
    .ButtonRowsNormal = rows(0x98B1CC, 0x9EB7D1, 0xA4BED8, 0xACC5DF, 0xACC5DF, 0xB2CBE5, 0xB7D0E9),
    .ButtonRowsHover = buttonRowsHover,
    .ButtonRowsPressed = buttonRowsPressed,
    .CloseRowsNormal = closeRowsNormal,
    .CloseRowsHover = closeRowsHover,
    .CloseRowsPressed = closeRowsPressed,
};

constexpr ColourScheme darkGrey{
    .CaptionColour = fromRgbHex(0xFFFFFF),
    .FrameColour = fromRgbHex(0x242632),
    .GradientTopColour = fromRgbHex(0x94979E),
    .InnerLineColour = fromRgbHex(0xB4B8B9),
    .OuterLineColour = fromRgbHex(0x000000),
    .ButtonOutline = fromRgbHex(0x242632),
    .ButtonInnerLine = fromRgbHex(0xB4B8B9),
    .ButtonFlatNormal = fromRgbHex(0xB8BDC0),
    .ButtonFlatHover = fromRgbHex(0x96CBEF),
    .ButtonFlatPressed = fromRgbHex(0x6E889C),
    .CloseOutline = fromRgbHex(0x431422),
    .CloseInnerLine = fromRgbHex(0xF4D3CC),
    .CloseFlatNormal = fromRgbHex(0xE49F92),
    .CloseFlatHover = fromRgbHex(0xFCB9AD),
    .CloseFlatPressed = fromRgbHex(0xBF8F76),
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
