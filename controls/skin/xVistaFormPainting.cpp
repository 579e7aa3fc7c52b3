// The title bar, the caption buttons and the host's frame.

#include "controls/skin/CaptionButtonPainter.h"
#include "controls/skin/GradientPicture.h"
#include "controls/skin/xVistaForm.h"
#include "platform/forms/Form.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/Twips.h"
#include "platform/runtime/RuntimeError.h"

#include <cmath>

namespace dorvak {
namespace {

struct Segment {
    double x1;
    double y1;
    double x2;
    double y2;
    OleColor colour;
};

} // namespace

bool xVistaForm::isShown(CaptionButton button) const {
    switch (button) {
    case CaptionButton::Minimise:
        return showMinimiseButton_;
    case CaptionButton::Maximise:
        return showMaximiseButton_;
    case CaptionButton::Close:
        break;
    }
    return showCloseButton_;
}

void xVistaForm::drawCaptionButton(CaptionButton button) {
    auto& drawn = drawnLooks_[std::size_t(button)];
    drawn.reset();
    // A hidden button leaves the gradient showing.
    if (!picForm || !isShown(button))
        return;
    const ButtonLook look = flags_.look(button);
    const CaptionButtonCanvas canvas{picForm->surface(), colours_, style_ == 0, Width(), Top()};
    try {
        DrawCaptionButton(canvas, button, look);
        drawn = look;
    } catch (const RuntimeError&) {
        // What was drawn stays; the failure ends only this button.
    }
}

void xVistaForm::drawCaptionButtons() {
    for (CaptionButton button : captionButtons)
        drawCaptionButton(button);
}

void xVistaForm::paintTitleBar() {
    if (SkipTitlePaint || !picForm)
        return;
    Surface& surface = picForm->surface();
    const int width = int(std::nearbyint(Width() / dorvak::TwipsPerPixelX()));
    const int height = int(std::nearbyint(Height() / dorvak::TwipsPerPixelY()));
    const PicturePtr gradient =
        MakeGradientPicture(width, height, colours_.GradientTopColour, colours_.FrameColour);
    // Setting the picture clears the bar to it.
    surface.setPicture(gradient ? gradient->image() : QImage());

    drawCaptionButtons();

    const double w = picForm->ScaleWidth();
    const double h = picForm->ScaleHeight();
    surface.line(0, 0, w - 15, 0, colours_.OuterLineColour);
    surface.line(0, 0, 0, h, colours_.OuterLineColour);
    surface.line(15, 15, 15, h, this->surface().backColor());
    surface.line(w - 30, 15, w - 30, h, colours_.InnerLineColour);
    surface.line(w - 15, 0, w - 15, h, colours_.OuterLineColour);
    picForm->Refresh();
    SkipTitlePaint = true;
}

void xVistaForm::paintHostFrame() {
    HostWindow = parentForm();
    if (!HostWindow)
        return;
    if (HostWindow->BorderStyle() != Form::BorderNone)
        HostWindow->setBorderStyle(Form::BorderNone);
    if (transparency_)
        MakeSemiTransparent(HostWindow->hWnd(), transparencyLevel_);

    Surface& surface = HostWindow->surface();
    surface.cls();
    const double w = HostWindow->ScaleWidth();
    const double h = HostWindow->ScaleHeight();
    const ColourScheme& c = colours_;
    // Four columns on each side and four rows at the bottom; the second column from the left
    // is left to the back colour.
    const Segment frame[] = {
        {0, 0, 0, h, c.OuterLineColour},
        {30, 0, 30, h, c.FrameColour},
        {45, 0, 45, h, c.FrameColour},
        {w - 15, 0, w - 15, h, c.OuterLineColour},
        {w - 30, 0, w - 30, h, c.InnerLineColour},
        {w - 45, 0, w - 45, h, c.FrameColour},
        {w - 60, 0, w - 60, h, c.FrameColour},
        {30, h - 60, w - 30, h - 60, c.FrameColour},
        {30, h - 45, w - 30, h - 45, c.FrameColour},
        {15, h - 30, w - 15, h - 30, c.InnerLineColour},
        {0, h - 15, w - 15, h - 15, c.OuterLineColour},
    };
    for (const Segment& line : frame)
        surface.line(line.x1, line.y1, line.x2, line.y2, line.colour);
    HostWindow->Refresh();
}

} // namespace dorvak
