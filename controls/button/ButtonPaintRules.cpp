#include "controls/button/ButtonPaintRules.h"

#include "controls/button/SystemColors.h"

namespace dorvak {

bool keepsProportions(std::int32_t buttonShape) {
    return buttonShape == 0 || buttonShape == 1;
}

bool pointsUpOrDown(std::int32_t buttonShape) {
    return buttonShape == 4 || buttonShape == 7 || buttonShape == 8 || buttonShape == 11;
}

bool showsHandPointer(const ButtonState& button) {
    return button.HandPointer && (button.HasFocus || (!button.IsPressed && button.mouseOver()));
}

bool showsFocus(const ButtonState& button) {
    return button.FocusRect && button.HasFocus;
}

bool marksFocusInOwnEdges(std::int32_t buttonStyle) {
    return buttonStyle == 4 || buttonStyle == 6 || buttonStyle == 7;
}

bool framesFocusedCaption(std::int32_t buttonStyle) {
    return buttonStyle == 4;
}

bool engravesDisabledCaption(std::int32_t buttonStyle) {
    return buttonStyle != 4 && buttonStyle != 6 && buttonStyle != 7 && buttonStyle != 8;
}

bool drawsOwnGradient(std::int32_t buttonStyle, std::int32_t buttonStyleColors) {
    return buttonStyle >= 5 && buttonStyle <= 8 && buttonStyleColors != 0;
}

std::optional<BorderColors> styleBorderColors(const ButtonState& button) {
    switch (button.ButtonStyle) {
    case 1:
    case 2:
        return BorderColors{darkShadow3D, darkShadow3D, buttonHighlight};
    case 3:
        return BorderColors{button.BackColor, darkShadow3D, buttonHighlight};
    case 4:
        return BorderColors{buttonShadow, buttonShadow, buttonShadow};
    case 5:
        return BorderColors{buttonFace, 0x000000, 0x000000};
    case 6:
        return BorderColors{0x000000, 0x000000, 0x000000};
    case 7:
        return BorderColors{0x8F8F8E, 0xB17F3C, 0x5C411D};
    case 8:
        return BorderColors{button.BackColor, button.BackColorHover, button.BackColorPressed};
    default:
        return std::nullopt;
    }
}

std::optional<OleColor> disabledBorderColor(const ButtonState& button, bool enabled) {
    if (enabled || button.IsPressed)
        return std::nullopt;
    switch (button.ButtonStyle) {
    case 6: // hovering looks like rest
        return 0x8DABAB;
    case 7:
        return button.mouseOver() ? std::nullopt : std::optional<OleColor>(0xB5B2AD);
    case 8:
        return button.mouseOver() ? std::nullopt : std::optional<OleColor>(0xA4B6B7);
    default:
        return std::nullopt;
    }
}

} // namespace dorvak
