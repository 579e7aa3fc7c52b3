#include "controls/button/ButtonPainter.h"

#include "controls/button/ButtonPaintRules.h"
#include "controls/button/shapes/ShapeRenderers.h"
#include "platform/forms/UserControl.h"
#include "platform/gdi/CodePage.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Surface.h"
#include "platform/windowing/Cursors.h"

namespace dorvak {

namespace {

// The smallest face, about 25 pixels a side: SW and SH never reach zero, so dividing by
// them is safe.
constexpr double minimumTwips = 375;

// Where a loop counting from first by step leaves its counter: at the first value past last.
int pastLast(int first, int last, int step) {
    return last < first ? first : first + ((last - first) / step + 1) * step;
}

} // namespace

ButtonPainter::ButtonPainter(ButtonState& button, UserControl& control)
    : button_(button)
    , control_(control)
    , surface_(control.surface())
    , hdc_(surface_.hdc())
    , caption_(toSystemCodePage(button.Caption)) {}

bool ButtonPainter::enabled() const {
    return control_.isEnabled();
}

OleColor ButtonPainter::byState(OleColor pressed, OleColor hover, OleColor rest) const {
    return button_.IsPressed ? pressed : button_.mouseOver() ? hover : rest;
}

void ButtonPainter::paint() {
    surface_.setScaleMode(ScaleMode::Pixels);
    surface_.cls();
    enforceMinimumSize();
    chooseCursor();
    if (button_.ButtonType == 1 && button_.Value)
        button_.IsPressed = true;
    fillBackground();
    applyStyleColors();
    placePicture();
    drawPicture();
    placeCaption();
    drawCaption();
    colourCaption();
    drawShape();
    markFocus();
    frameCaption();
    drawDropDown();
    // Pixels left in the back colour are see-through when the back style is transparent.
    surface_.setMaskPicture(surface_.image());
    surface_.refresh();
}

void ButtonPainter::enforceMinimumSize() {
    if (control_.Width() < minimumTwips)
        control_.setWidth(minimumTwips);
    if (control_.Height() < minimumTwips)
        control_.setHeight(minimumTwips);
    // Only the rectangles keep any proportions; the other shapes are drawn in a square.
    if (!keepsProportions(button_.ButtonShape))
        control_.setHeight(control_.Width());
    control_.surface(); // follows the new size
    SW = surface_.scaleWidth();
    SH = surface_.scaleHeight();
    Q_ASSERT(SW > 0 && SH > 0);
}

void ButtonPainter::chooseCursor() {
    if (showsHandPointer(button_))
        SetCursor(LoadCursorA(nullptr, IDC_HAND));
}

// The borders the style sets, then the own gradient of styles 5 to 8, which on a disabled
// button may set the rest border once more.
void ButtonPainter::applyStyleColors() {
    const std::optional<BorderColors> borders = styleBorderColors(button_);
    if (!borders)
        return;
    button_.BorderColor = borders->rest;
    button_.BorderColorHover = borders->hover;
    button_.BorderColorPressed = borders->pressed;
    if (!drawsOwnGradient(button_.ButtonStyle, button_.ButtonStyleColors))
        return;
    if (const std::optional<OleColor> disabled = disabledBorderColor(button_, enabled()))
        button_.BorderColor = *disabled;
    drawOwnGradient();
}

void ButtonPainter::drawShape() {
    // The renderers take the surface's scale as pixels.
    Q_ASSERT(surface_.scaleMode() == ScaleMode::Pixels);
    surface_.setMaskColor(surface_.backColor());
    surface_.setForeColor(
        byState(button_.BorderColorPressed, button_.BorderColorHover, button_.BorderColor));
    ShapeState state;
    state.buttonStyle = button_.ButtonStyle;
    state.buttonStyleColors = button_.ButtonStyleColors;
    state.pressed = button_.IsPressed;
    state.mouseOver = button_.mouseOver();
    state.focused = showsFocus(button_);
    state.enabled = enabled();
    ShapeCanvas canvas(surface_, control_.hWnd(), state, button_.ShapeRegion);
    drawButtonShape(button_.ButtonShape, canvas);
}

// Breaks lines of the renderer's last pen colour inside a 2-pixel margin into dots: pixels
// whose column and row are both odd (from 3) or both even (from 2) turn black.
void ButtonPainter::markFocus() {
    if (marksFocusInOwnEdges(button_.ButtonStyle) || !showsFocus(button_))
        return;
    const OleColor pen = surface_.foreColor();
    SurfacePixels face(hdc_);
    for (const int start : {3, 2}) {
        const int endX = toPixel(SW - start), endY = toPixel(SH - start);
        face.replace(QRect(QPoint(start, start), QPoint(endX, endY)), 2, 2, pen, 0x000000);
        // The counters as the loops over the columns and, inside, the rows leave them.
        if (endX >= start)
            button_.PixelY = pastLast(start, endY, 2);
        button_.PixelX = pastLast(start, endX, 2);
    }
}

void ButtonPainter::frameCaption() {
    if (caption_.empty() || !framesFocusedCaption(button_.ButtonStyle) || !showsFocus(button_))
        return;
    const PixelBox& box = button_.CaptionRect;
    surface_.setForeColor(0xCC9999);
    RoundRect(hdc_, box.Left + box.Width + 2, box.Top + box.Height + 2, box.Left - 3, box.Top - 2,
              0, 0);
}

// Two stacked chevrons pointing down, each two pixels thick.
void ButtonPainter::drawDropDown() {
    if (button_.DropDown == 0)
        return;
    int x0 = 0, y0 = 0;
    if (button_.DropDown == 1 || button_.DropDown == 2) {
        x0 = button_.DropDown == 1 ? 2 : toPixel(SW - 21);
        y0 = toPixel(SH / 2 - 8);
    }
    constexpr POINT strokes[4][3] = {{{6, 5}, {9, 8}, {13, 4}},
                                     {{7, 5}, {9, 7}, {12, 4}},
                                     {{6, 9}, {9, 12}, {13, 8}},
                                     {{7, 9}, {9, 11}, {12, 8}}};
    surface_.setForeColor(0x000000);
    for (const auto& stroke : strokes) {
        MoveToEx(hdc_, x0 + stroke[0].x, y0 + stroke[0].y, nullptr);
        LineTo(hdc_, x0 + stroke[1].x, y0 + stroke[1].y);
        LineTo(hdc_, x0 + stroke[2].x, y0 + stroke[2].y);
    }
}

} // namespace dorvak
