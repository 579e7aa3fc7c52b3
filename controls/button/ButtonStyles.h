#pragma once

#include "controls/button/ButtonKinds.h"
#include "controls/button/ButtonState.h"

#include <concepts>
#include <optional>

namespace dorvak {

class ShapeCanvas;
struct ShapeGeometry;

// A colour a style names: a fixed one, or one of the button's own colour properties.
class StyleColor {
public:
    // Any integer, so that black (0) is a colour and not a null property.
    template <std::integral Value>
    constexpr StyleColor(Value fixed)
        : fixed_(OleColor(fixed)) {}
    constexpr StyleColor(OleColor ButtonState::*property)
        : property_(property) {}

    OleColor of(const ButtonState& button) const { return property_ ? button.*property_ : fixed_; }

private:
    OleColor fixed_ = 0;
    OleColor ButtonState::*property_ = nullptr;
};

struct StateColors {
    StyleColor rest;
    StyleColor hover;
    StyleColor pressed;
};

// The two colours of a gradient, c0 on its first corner and c1 on its second.
struct ColorPair {
    StyleColor c0;
    StyleColor c1;
};

class GradientPainter;

// A style's own gradient, painted over every background but the transparent one.
struct OwnGradient {
    ColorPair pressed;
    // None where hovering looks like rest, even on a disabled button.
    std::optional<ColorPair> hovered;
    ColorPair rest;
    ColorPair disabled;
    // The rest border of the disabled look, where the style has one.
    std::optional<StyleColor> disabledBorder;
    // Draws with the pair chosen; pointsUpOrDown turns bands that run down to run across.
    void (*draw)(GradientPainter& painter, OleColor c0, OleColor c1, bool pointsUpOrDown);
};

// What setting the style loads: the three face colours, and for some styles the one
// background mode they are drawn for (unless the background is transparent).
struct StyleColorSet {
    OleColor back;
    OleColor hover;
    OleColor pressed;
    std::optional<BackgroundMode> narrowsBackgroundTo;
};

// Everything a ButtonStyle decides, in one row.
struct StyleTraits {
    // The border colours the style sets on every paint.
    std::optional<StateColors> borders;
    const OwnGradient* gradient = nullptr;
    // Draws the style's edges on a shape in the current state.
    void (*edges)(const ShapeGeometry& shape, ShapeCanvas& canvas) = nullptr;
    // The style shows the focus in its own edges: no dotted marking, no inset outline.
    bool marksFocusInOwnEdges = false;
    // The style frames the caption of a focused button.
    bool framesFocusedCaption = false;
    std::optional<StyleColorSet> colorSet;
    // A disabled caption is engraved, except on the faces too light for it.
    bool engravesDisabledCaption = true;
    // A hovered picture is drawn a second time, one pixel up and left.
    bool liftsHoveredPicture = false;
};

// The row of a style; the style none and every unknown value share the row that does nothing.
const StyleTraits& styleTraits(ButtonStyle style);

// Whether the style's own gradient shows over this background.
bool drawsOwnGradient(const StyleTraits& traits, BackgroundMode background);

// The pair of the gradient for the button's state, and whether that is the disabled look.
struct GradientChoice {
    ColorPair colors;
    bool disabledLook;
};
GradientChoice chooseGradientColors(const OwnGradient& gradient, const ButtonState& button,
                                    bool enabled);

// Sets the border colours the button's style sets, for its state.
void applyStyleBorders(ButtonState& button, bool enabled);

} // namespace dorvak
