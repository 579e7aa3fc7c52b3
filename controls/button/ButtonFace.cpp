// The picture and the caption on a Button face: where they go, how each state draws them,
// the grey passes, the caption effects and the caption colouring.
#include "controls/button/ButtonPainter.h"

#include "controls/button/SystemColors.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Surface.h"
#include "platform/gdi/Text.h"

namespace dorvak {

namespace {

// Left and top of a box of w × h on a face of SW × SH, by alignment (0 top, 1 left,
// 2 centre, 3 right, 4 bottom) and the inset from the top or left edge. The fraction
// (SH − h) / SH lies in 0..1, so that edge sits inset or inset + 1 pixels in.
bool align(std::int32_t alignment, double SW, double SH, int w, int h, double inset,
           PixelBox& box) {
    switch (alignment) {
    case 0:
        box.Left = toPixel((SW - w) / 2);
        box.Top = toPixel((SH - h) / SH + inset);
        return true;
    case 1:
        box.Left = toPixel((SW - w) / SW + inset);
        box.Top = toPixel((SH - h) / 2);
        return true;
    case 2:
        box.Left = toPixel((SW - w) / 2);
        box.Top = toPixel((SH - h) / 2);
        return true;
    case 3:
        box.Left = toPixel(SW - w - 5);
        box.Top = toPixel((SH - h) / 2);
        return true;
    case 4:
        box.Left = toPixel((SW - w) / 2);
        box.Top = toPixel(SH - h - 5);
        return true;
    default:
        return false;
    }
}

struct Channels {
    int red, green, blue;
};

// Translated when it names a system colour; a colour that does not translate is split as it
// stands.
Channels splitColor(OleColor color) {
    OleColor plain = color;
    OleTranslateColor(color, nullptr, &plain);
    return {int(plain & 0xFF), int(plain >> 8 & 0xFF), int(plain >> 16 & 0xFF)};
}

} // namespace

void ButtonPainter::placePicture() {
    PixelBox& box = painted_.pictureRect;
    if (!button_.Picture) {
        box.Width = 0;
        box.Height = 0;
        return;
    }
    box.Width = toPixel(
        Surface::scaleX(button_.Picture->widthHimetric(), ScaleMode::Himetric, ScaleMode::Pixels));
    box.Height = toPixel(
        Surface::scaleY(button_.Picture->heightHimetric(), ScaleMode::Himetric, ScaleMode::Pixels));
    align(button_.PictureAlignment, SW, SH, box.Width, box.Height, 4, box);
}

void ButtonPainter::drawPicture() {
    if (!button_.Picture)
        return;
    const QImage& picture = button_.Picture->image();
    const PixelBox& box = painted_.pictureRect;
    if (!enabled_) {
        surface_.paintPicture(picture, box.Left, box.Top);
        greyPicture(16); // the blue channel, whatever PictureGray says
    } else if (button_.IsPressed) {
        surface_.paintPicture(picture, box.Left + 1, box.Top + 1);
    } else if (button_.mouseOver()) {
        surface_.paintPicture(picture, box.Left, box.Top);
        if (style_.liftsHoveredPicture)
            surface_.paintPicture(picture, box.Left - 1, box.Top - 1);
    } else {
        surface_.paintPicture(picture, box.Left, box.Top);
        if (button_.PictureGray)
            greyPicture(0); // the red channel
    }
}

// Every pixel of the box (ends included) that is not the raw back colour becomes the grey of
// one of its channels. A system colour as back colour matches no pixel, so the whole box
// turns grey.
void ButtonPainter::greyPicture(int channelShift) {
    const PixelBox& box = painted_.pictureRect;
    SurfacePixels(hdc_).recolour(QRect(box.Left, box.Top, box.Width + 1, box.Height + 1),
                                 [&](OleColor pixel, int, int) -> std::optional<OleColor> {
                                     if (pixel == button_.BackColor)
                                         return std::nullopt;
                                     const int grey = int(pixel >> channelShift & 0xFF);
                                     return rgb(grey, grey, grey);
                                 });
}

void ButtonPainter::placeCaption() {
    PixelBox& box = painted_.captionRect;
    if (button_.CaptionAlignment < 0 || button_.CaptionAlignment > 4)
        return;
    SIZE extent;
    GetTextExtentPoint32A(hdc_, caption_.data(), int(caption_.size()), &extent);
    box.Width = extent.cx;
    box.Height = extent.cy;
    align(button_.CaptionAlignment, SW, SH, box.Width, box.Height, 5, box);
}

void ButtonPainter::drawCaptionText(OleColor color, int x, int y) {
    surface_.setForeColor(color);
    TextOutA(hdc_, x, y, caption_.data(), int(caption_.size()));
}

void ButtonPainter::drawCaption() {
    const int L = painted_.captionRect.Left, T = painted_.captionRect.Top;
    if (!enabled_) {
        if (style_.engravesDisabledCaption)
            drawCaptionText(buttonHighlight, L + 1, T + 1);
        drawCaptionText(buttonShadow, L, T);
        return;
    }

    const OleColor E = button_.EffectColor;
    const OleColor text =
        byState(button_.ForeColorPressed, button_.ForeColorHover, button_.ForeColor);
    // The pressed caption sits one pixel down and right.
    const int x = button_.IsPressed ? L + 1 : L, y = button_.IsPressed ? T + 1 : T;
    switch (button_.CaptionEffect) {
    case CaptionEffect::EffectNone:
        break;
    case CaptionEffect::EffectRaised:
        drawCaptionText(E, x - 1, y - 1);
        break;
    case CaptionEffect::EffectShadow:
        drawCaptionText(E, x + 1, y + 1);
        break;
    case CaptionEffect::EffectOutline:
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                drawCaptionText(E, x + dx, y + dy);
        break;
    default: // an unknown effect draws no caption at all
        return;
    }
    drawCaptionText(text, x, y);
}

// Recolours the pixels of the last caption colour in a gradient across the whole face.
void ButtonPainter::colourCaption() {
    if (button_.CaptionStyle != 1 && button_.CaptionStyle != 2)
        return;
    const Channels A = splitColor(button_.ForeColor);
    const Channels B = splitColor(
        byState(button_.ForeColorPressed, button_.ForeColorHover, button_.ForeColorPressed));
    const bool across = button_.CaptionStyle == 1;
    // Across: A at the left edge to B at the right; down: B at the top to A at the bottom.
    const Channels& from = across ? A : B;
    const Channels& to = across ? B : A;
    // Red and green round the blended value, blue only the step from its start; at halves
    // the two differ.
    const auto blend = [](int start, int end, double t) {
        return toPixel(start + (end - start) * t);
    };
    const auto blendStep = [](int start, int end, double t) {
        return start + toPixel((end - start) * t);
    };

    const OleColor K = surface_.foreColor();
    const PixelBox& box = painted_.captionRect;
    SurfacePixels(hdc_).recolour(QRect(box.Left, box.Top, box.Width + 1, box.Height + 1),
                                 [&](OleColor pixel, int x, int y) -> std::optional<OleColor> {
                                     if (pixel != K)
                                         return std::nullopt;
                                     const double t = across ? x / SW : y / SH;
                                     return rgb(blend(from.red, to.red, t),
                                                blend(from.green, to.green, t),
                                                blendStep(from.blue, to.blue, t));
                                 });
}

} // namespace dorvak
