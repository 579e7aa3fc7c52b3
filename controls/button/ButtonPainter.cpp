#include "controls/button/ButtonPainter.h"

#include "controls/button/ButtonPaintRules.h"
#include "controls/button/shapes/ShapeRenderers.h"
#include "platform/gdi/CodePage.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Surface.h"

namespace dorvak {

ButtonPainter::ButtonPainter(const ButtonState& button, Surface& face, bool enabled)
    : button_(button)
    , style_(styleTraits(button.ButtonStyle))
    , surface_(face)
    , enabled_(enabled)
    , hdc_(face.hdc())
    , caption_(toSystemCodePage(button.Caption)) {
    painted_.pictureRect = button.PictureRect;
    painted_.captionRect = button.CaptionRect;
}

OleColor ButtonPainter::byState(OleColor pressed, OleColor hover, OleColor rest) const {
    return button_.IsPressed ? pressed : button_.mouseOver() ? hover : rest;
}

PaintedFace ButtonPainter::paint() {
    surface_.setScaleMode(ScaleMode::Pixels);
    surface_.cls();
    SW = surface_.scaleWidth();
    SH = surface_.scaleHeight();
    Q_ASSERT(SW > 0 && SH > 0);
    fillBackground();
    if (drawsOwnGradient(style_, button_.ButtonStyleColors))
        drawOwnGradient();
    placePicture();
    drawPicture();
    placeCaption();
    drawCaption();
    colourCaption();
    drawShape();
    markFocus();
    frameCaption();
    drawDropDown();
    return std::move(painted_);
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
    state.enabled = enabled_;
    ShapeCanvas canvas(surface_, state);
    drawButtonShape(button_.ButtonShape, canvas);
    painted_.windowRegion = canvas.takeWindowRegion();
}

// Breaks lines of the renderer's last pen colour inside a 2-pixel margin into dots: pixels
// whose column and row are both odd (from 3) or both even (from 2) turn black.
void ButtonPainter::markFocus() {
    if (style_.marksFocusInOwnEdges || !showsFocus(button_))
        return;
    const OleColor pen = surface_.foreColor();
    SurfacePixels face(hdc_);
    for (const int start : {3, 2}) {
        const int endX = toPixel(SW - start), endY = toPixel(SH - start);
        face.replace(QRect(QPoint(start, start), QPoint(endX, endY)), 2, 2, pen, 0x000000);
    }
}

void ButtonPainter::frameCaption() {
    if (caption_.empty() || !style_.framesFocusedCaption || !showsFocus(button_))
        return;
    const PixelBox& box = painted_.captionRect;
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
