#pragma once

#include "controls/button/ButtonState.h"

#include <cstdint>
#include <optional>

namespace dorvak {

// The Button's paint decisions, each made once here and asked for by the pipeline and the
// shape frame. Unknown styles and shapes match no special case.

// Only the two rectangles keep their proportions; the other shapes are drawn in a square.
bool keepsProportions(std::int32_t buttonShape);

// The up and down pointing shapes get their gradients across instead of down.
bool pointsUpOrDown(std::int32_t buttonShape);

// The hand pointer shows while the button has the focus, or is hovered and not pressed.
bool showsHandPointer(const ButtonState& button);

// The focus is shown when the button has it and its FocusRect asks for it.
bool showsFocus(const ButtonState& button);

// Styles 4, 6 and 7 show the focus in their own edges: neither the dotted marking nor the
// shape's inset outline.
bool marksFocusInOwnEdges(std::int32_t buttonStyle);

// Style 4 frames the caption of a focused button.
bool framesFocusedCaption(std::int32_t buttonStyle);

// A disabled caption is engraved, except on the faces too light for it (styles 4, 6, 7, 8).
bool engravesDisabledCaption(std::int32_t buttonStyle);

// Styles 5 to 8 paint a gradient of their own over every background mode but transparent.
bool drawsOwnGradient(std::int32_t buttonStyle, std::int32_t buttonStyleColors);

struct BorderColors {
    OleColor rest;
    OleColor hover;
    OleColor pressed;
};

// The border colours a style sets on every paint; none for a style that sets none.
std::optional<BorderColors> styleBorderColors(const ButtonState& button);

// The rest border colour a style with its own gradient takes on a disabled button (styles 6
// to 8, when neither pressed nor, for 7 and 8, hovered); none where the border stays.
std::optional<OleColor> disabledBorderColor(const ButtonState& button, bool enabled);

} // namespace dorvak
