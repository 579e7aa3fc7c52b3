#include "controls/button/ButtonPaintRules.h"

namespace dorvak {

bool keepsProportions(ButtonShape buttonShape) {
    return buttonShape == ButtonShape::Rectangle || buttonShape == ButtonShape::RoundRect;
}

bool pointsUpOrDown(ButtonShape buttonShape) {
    using enum ButtonShape;
    return buttonShape == TriangleUp || buttonShape == TriangleDown || buttonShape == ArrowUp ||
           buttonShape == ArrowDown;
}

bool showsHandPointer(const ButtonState& button) {
    return button.HandPointer && (button.HasFocus || (!button.IsPressed && button.mouseOver()));
}

bool showsFocus(const ButtonState& button) {
    return button.FocusRect && button.HasFocus;
}

} // namespace dorvak
