#include "controls/button/ButtonStyles.h"

#include "controls/button/GradientPainter.h"
#include "controls/button/SystemColors.h"
#include "controls/button/shapes/ShapeFrame.h"

#include <array>

namespace dorvak {

namespace {

constexpr StyleColor back = &ButtonState::BackColor;
constexpr StyleColor hover = &ButtonState::BackColorHover;
constexpr StyleColor pressed = &ButtonState::BackColorPressed;

// One band down the face: c1 at the top, c0 at the bottom.
void shadeDown(GradientPainter& g, OleColor c0, OleColor c1, bool) {
    g.down(0, g.SH, c0, g.SW, 0, c1);
}

// A light upper two thirds fading into the face colour, and a lower half that brightens
// again towards a point 25 pixels beyond the far edge.
void twoThirdsSheen(GradientPainter& g, OleColor c0, OleColor c1, bool pointsUpOrDown) {
    if (pointsUpOrDown) {
        g.across(g.SW / 1.5, 0, c0, 0, g.SH, c1);
        g.across(g.SW / 2, g.SH, c0, g.SW + 25, 0, c1);
    } else {
        g.down(0, g.SH / 1.5, c0, g.SW, 0, c1);
        g.down(0, g.SH / 2, c0, g.SW, g.SH + 25, c1);
    }
}

// The face colour fading to white past both ends, with a band through the middle.
void whiteSheen(GradientPainter& g, OleColor c0, OleColor c1, bool pointsUpOrDown) {
    if (pointsUpOrDown) {
        g.across(g.SW, 0, c0, -g.SW / 6, g.SH, c1);
        g.across(g.SW / 2, g.SH, c0, g.SW / 3 + g.SW, 0, c1);
    } else {
        g.down(0, g.SH, c0, g.SW, -g.SH / 6, c1);
        g.down(0, g.SH / 2, c0, g.SW, g.SH / 3 + g.SH, c1);
    }
}

const OwnGradient shadedGradient{
    .pressed = {0xA57F71, pressed},
    .hovered = ColorPair{0xAC9891, hover},
    .rest = {back, back},
    .disabled = {back, back},
    .disabledBorder = std::nullopt,
    .draw = shadeDown,
};

const OwnGradient glowGradient{
    .pressed = {back, 0xE0E6E6},
    .hovered = std::nullopt,
    .rest = {back, pressed},
    .disabled = {0xDBE7E7, 0xDBE7E7},
    .disabledBorder = 0x8DABAB,
    .draw = shadeDown,
};

const OwnGradient innerOutlineGradient{
    .pressed = {pressed, 0xF8ECD5},
    .hovered = ColorPair{hover, 0xFEFCF7},
    .rest = {back, 0xEFEFEF},
    .disabled = {0xF0F0F0, 0xF4F4F4},
    .disabledBorder = 0xB5B2AD,
    .draw = twoThirdsSheen,
};

const OwnGradient selfColoredGradient{
    .pressed = {pressed, 0xFFFFFF},
    .hovered = ColorPair{hover, 0xFFFFFF},
    .rest = {back, 0xFFFFFF},
    .disabled = {0xA4B6B7, 0xFFFFFF},
    .disabledBorder = 0xA4B6B7,
    .draw = whiteSheen,
};

constexpr StyleColorSet systemFace{buttonFace, buttonFace, buttonFace, std::nullopt};

// Indexed by ButtonStyle; the first row is also every unknown style's.
const std::array<StyleTraits, 9> styles{{
    {},
    {
        .borders = StateColors{darkShadow3D, darkShadow3D, buttonHighlight},
        .edges = drawRaisedEdges,
        .colorSet = systemFace,
    },
    {
        .borders = StateColors{darkShadow3D, darkShadow3D, buttonHighlight},
        .edges = drawLitUpperEdge,
        .colorSet = systemFace,
    },
    {
        .borders = StateColors{back, darkShadow3D, buttonHighlight},
        .edges = drawHoverUpperEdge,
        .colorSet = systemFace,
    },
    {
        .borders = StateColors{buttonShadow, buttonShadow, buttonShadow},
        .edges = drawEngravedEdges,
        .marksFocusInOwnEdges = true,
        .framesFocusedCaption = true,
        .colorSet = StyleColorSet{buttonFace, buttonFace, 0x999999, BackgroundMode::BackSolid},
        .engravesDisabledCaption = false,
    },
    {
        .borders = StateColors{buttonFace, 0x000000, 0x000000},
        .gradient = &shadedGradient,
        .colorSet = StyleColorSet{buttonFace, 0xB6A59F, 0xAF8C80, std::nullopt},
        .liftsHoveredPicture = true,
    },
    {
        .borders = StateColors{0x000000, 0x000000, 0x000000},
        .gradient = &glowGradient,
        .edges = drawGlowEdges,
        .marksFocusInOwnEdges = true,
        .colorSet = StyleColorSet{0xD2DEDD, 0xFFFFFF, 0xFFFFFF, BackgroundMode::BackGradientV},
        .engravesDisabledCaption = false,
    },
    {
        .borders = StateColors{0x8F8F8E, 0xB17F3C, 0x5C411D},
        .gradient = &innerOutlineGradient,
        .edges = drawInnerOutline,
        .marksFocusInOwnEdges = true,
        .colorSet = StyleColorSet{0xD8D8D8, 0xF7DBA5, 0xEFCE92, std::nullopt},
        .engravesDisabledCaption = false,
    },
    {
        .borders = StateColors{back, hover, pressed},
        .gradient = &selfColoredGradient,
        .colorSet = StyleColorSet{desktopColor, desktopColor, desktopColor, std::nullopt},
        .engravesDisabledCaption = false,
    },
}};

} // namespace

const StyleTraits& styleTraits(ButtonStyle style) {
    const auto index = std::size_t(style);
    return index < styles.size() ? styles[index] : styles[0];
}

bool drawsOwnGradient(const StyleTraits& traits, BackgroundMode background) {
    return traits.gradient && background != BackgroundMode::BackTransparent;
}

GradientChoice chooseGradientColors(const OwnGradient& gradient, const ButtonState& button,
                                    bool enabled) {
    if (button.IsPressed)
        return {gradient.pressed, false};
    if (button.mouseOver() && gradient.hovered)
        return {*gradient.hovered, false};
    if (!enabled)
        return {gradient.disabled, true};
    return {gradient.rest, false};
}

void applyStyleBorders(ButtonState& button, bool enabled) {
    const StyleTraits& style = styleTraits(button.ButtonStyle);
    if (!style.borders)
        return;
    const StateColors borders = *style.borders;
    button.BorderColor = borders.rest.of(button);
    button.BorderColorHover = borders.hover.of(button);
    button.BorderColorPressed = borders.pressed.of(button);
    if (!drawsOwnGradient(style, button.ButtonStyleColors) || !style.gradient->disabledBorder)
        return;
    if (chooseGradientColors(*style.gradient, button, enabled).disabledLook)
        button.BorderColor = style.gradient->disabledBorder->of(button);
}

} // namespace dorvak
