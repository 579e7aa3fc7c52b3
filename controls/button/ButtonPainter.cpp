#include "controls/button/ButtonPainter.h"

#include "controls/button/shapes/ShapeRenderers.h"
#include "platform/forms/UserControl.h"
#include "platform/gdi/CodePage.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Surface.h"
#include "platform/windowing/Cursors.h"

namespace dorvak {

namespace {

// Small enough to keep the face above zero size, so the divisions by SW and SH are safe.
constexpr double minimumTwips = 375;

} // namespace

ButtonPainter::ButtonPainter(ButtonState& button, UserControl& control)
    : b_(button)
    , control_(control)
    , surface_(control.surface())
    , hdc_(surface_.hdc())
    , caption_(toSystemCodePage(button.Caption)) {}

bool ButtonPainter::enabled() const {
    return control_.isEnabled();
}

OleColor ButtonPainter::byState(OleColor pressed, OleColor hover, OleColor rest) const {
    return b_.IsPressed ? pressed : b_.mouseOver() ? hover : rest;
}

void ButtonPainter::paint() {
    surface_.setScaleMode(ScaleMode::Pixels);
    surface_.cls();
    enforceMinimumSize();
    chooseCursor();
    if (b_.ButtonType == 1 && b_.Value)
        b_.IsPressed = true;
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
    if (b_.ButtonShape != 0 && b_.ButtonShape != 1)
        control_.setHeight(control_.Width());
    control_.surface(); // follows the new size
    SW = surface_.scaleWidth();
    SH = surface_.scaleHeight();
}

void ButtonPainter::chooseCursor() {
    if (b_.HandPointer && (b_.HasFocus || (!b_.IsPressed && b_.mouseOver())))
        SetCursor(LoadCursorA(nullptr, IDC_HAND));
}

void ButtonPainter::drawShape() {
    surface_.setMaskColor(surface_.backColor());
    surface_.setForeColor(byState(b_.BorderColorPressed, b_.BorderColorHover, b_.BorderColor));
    ShapeState state;
    state.buttonStyle = b_.ButtonStyle;
    state.buttonStyleColors = b_.ButtonStyleColors;
    state.pressed = b_.IsPressed;
    state.mouseOver = b_.mouseOver();
    state.focused = b_.FocusRect && b_.HasFocus;
    state.enabled = enabled();
    ShapeCanvas canvas(surface_, control_.hWnd(), state, b_.ShapeRegion);
    drawButtonShape(b_.ButtonShape, canvas);
}

// Breaks lines of the renderer's last pen colour inside a 2-pixel margin into dots: pixels
// whose column and row are both odd (from 3) or both even (from 2) turn black.
void ButtonPainter::markFocus() {
    if (b_.ButtonStyle == 4 || b_.ButtonStyle == 6 || b_.ButtonStyle == 7 || !b_.FocusRect ||
        !b_.HasFocus)
        return;
    const OleColor pen = surface_.foreColor();
    for (const int start : {3, 2}) {
        const int endX = toPixel(SW - start), endY = toPixel(SH - start);
        for (b_.PixelX = start; b_.PixelX <= endX; b_.PixelX += 2)
            for (b_.PixelY = start; b_.PixelY <= endY; b_.PixelY += 2)
                if (GetPixel(hdc_, b_.PixelX, b_.PixelY) == pen)
                    SetPixel(hdc_, b_.PixelX, b_.PixelY, 0x000000);
    }
}

void ButtonPainter::frameCaption() {
    if (caption_.empty() || b_.ButtonStyle != 4 || !b_.FocusRect || !b_.HasFocus)
        return;
    const PixelBox& box = b_.CaptionRect;
    surface_.setForeColor(0xCC9999);
    RoundRect(hdc_, box.Left + box.Width + 2, box.Top + box.Height + 2, box.Left - 3, box.Top - 2,
              0, 0);
}

// Two stacked chevrons pointing down, each two pixels thick.
void ButtonPainter::drawDropDown() {
    if (b_.DropDown == 0)
        return;
    int x0 = 0, y0 = 0;
    if (b_.DropDown == 1 || b_.DropDown == 2) {
        x0 = b_.DropDown == 1 ? 2 : toPixel(SW - 21);
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
