#pragma once

#include "controls/button/ButtonKinds.h"
#include "controls/button/ButtonProperties.h"
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
#define DORVAK_BUTTON_STATE_FIELD(Name, Type, Default, AlsoLoads) Type Name{};
    DORVAK_BUTTON_PROPERTIES(DORVAK_BUTTON_STATE_FIELD, DORVAK_BUTTON_NONE)
#undef DORVAK_BUTTON_STATE_FIELD
    QString Caption;
    PicturePtr Picture;
    bool HasFocus = false;
    PixelBox CaptionRect;
    PixelBox PictureRect;
    std::optional<bool> IsMouseOver; // empty until the first mouse move; counts as false
    bool IsPressed = false;
    HRGN ShapeRegion = 0; // the window region's handle; the window owns the region

    bool mouseOver() const {
        return IsMouseOver.value_or(false);
    }
};

} // namespace dorvak
