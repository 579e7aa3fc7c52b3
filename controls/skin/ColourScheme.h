#pragma once

#include "platform/gdi/Color.h"

#include <array>
#include <cstdint>
#include <optional>

namespace dorvak {

// A colour written red first, #RRGGBB, as the schemes and glyphs are given.
constexpr OleColor fromRgbHex(std::uint32_t rrggbb) {
    return rgb(int(rrggbb >> 16), int(rrggbb >> 8 & 0xFF), int(rrggbb & 0xFF));
}

// Seven colours for the lower face of a caption button, top row first.
using RowTable = std::array<OleColor, 7>;

// The colours of the skin's title bar, frame and caption buttons for one Style.
struct ColourScheme {
    OleColor CaptionColour;
    OleColor FrameColour;
    OleColor GradientTopColour;
    OleColor InnerLineColour;
    OleColor OuterLineColour;
    OleColor ButtonOutline;
    OleColor ButtonInnerLine;
    OleColor ButtonFlatNormal;
    OleColor ButtonFlatHover;
    OleColor ButtonFlatPressed;
    OleColor CloseOutline;
    OleColor CloseInnerLine;
    OleColor CloseFlatNormal;
    OleColor CloseFlatHover;
    OleColor CloseFlatPressed;
    RowTable ButtonRowsNormal;
    RowTable ButtonRowsHover;
    RowTable ButtonRowsPressed;
    RowTable CloseRowsNormal;
    RowTable CloseRowsHover;
    RowTable CloseRowsPressed;
};

// Style 0 is light blue with black caption text, Style 1 dark grey with white text; any
// other Style has no scheme, and the colours in use stay as they are.
std::optional<ColourScheme> colourSchemeOfStyle(std::int32_t style);

} // namespace dorvak
