#pragma once

#include "controls/button/ButtonState.h"

namespace dorvak {

// The Button's paint decisions that do not depend on its style (those are in its style's
// row, ButtonStyles.h), each made once here. Unknown shapes match no special case.

// Only the two rectangles keep their proportions; the other shapes are drawn in a square.
bool keepsProportions(ButtonShape buttonShape);

// The up and down pointing shapes get their gradients across instead of down.
bool pointsUpOrDown(ButtonShape buttonShape);

// The hand pointer shows while the button has the focus, or is hovered and not pressed.
bool showsHandPointer(const ButtonState& button);

// The focus is shown when the button has it and its FocusRect asks for it.
bool showsFocus(const ButtonState& button);

} // namespace dorvak
