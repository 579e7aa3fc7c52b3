#pragma once

#include "controls/button/ButtonKinds.h"
#include "platform/gdi/Color.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Picture.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace dorvak {

// A box on the button face in pixels.
struct PixelBox {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
};

// What a Button holds besides its surface. Properties keep any value given (an unknown one
// matches no case when painting); a new button starts all zero, false and empty.
struct ButtonState {
    dorvak::ButtonShape ButtonShape{};
    dorvak::ButtonStyle ButtonStyle{};
    BackgroundMode ButtonStyleColors{};
    std::int32_t ButtonTheme = 0;      // 0..8, a colour set loaded by its setter
    std::int32_t ButtonType = 0;       // 0 push button, 1 toggle button
    std::int32_t CaptionAlignment = 0; // 0 top, 1 left, 2 centre, 3 right, 4 bottom
    dorvak::CaptionEffect CaptionEffect{};
    std::int32_t CaptionStyle = 0;     // 0 plain, 1 horizontal gradient, 2 vertical
    std::int32_t DropDown = 0;         // 0 none, 1 left, 2 right, other: top-left corner
    std::int32_t PictureAlignment = 0; // as CaptionAlignment
    OleColor BackColor = 0;
    OleColor BackColorPressed = 0;
    OleColor BackColorHover = 0;
    OleColor BorderColor = 0;
    OleColor BorderColorPressed = 0;
    OleColor BorderColorHover = 0;
    OleColor ForeColor = 0;
    OleColor ForeColorPressed = 0;
    OleColor ForeColorHover = 0;
    OleColor EffectColor = 0;
    QString Caption;
    bool FocusRect = false;
    bool HasFocus = false;
    bool Value = false;
    bool HandPointer = false;
    PicturePtr Picture;
    bool PictureGray = false;
    PixelBox CaptionRect;
    PixelBox PictureRect;
    std::optional<bool> IsMouseOver; // empty until the first mouse move; counts as false
    bool IsPressed = false;
    HRGN ShapeRegion = 0; // the window region's handle; the window owns the region

    bool mouseOver() const { return IsMouseOver.value_or(false); }
};

} // namespace dorvak
