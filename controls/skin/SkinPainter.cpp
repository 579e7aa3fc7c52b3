#include "controls/skin/SkinPainter.h"

#include "controls/skin/CaptionButtonPainter.h"
#include "controls/skin/GradientPicture.h"
#include "controls/skin/Segment.h"
#include "platform/gdi/Surface.h"
#include "platform/runtime/RuntimeError.h"

namespace dorvak {

void SkinPainter::paintTitleBar(const TitleBarPlace& bar, QSize gradientPixels, OleColor backColour,
                                const CaptionButtonFlags& flags) {
    const ColourScheme& c = properties_.colours;
    const PicturePtr gradient = MakeGradientPicture(gradientPixels.width(), gradientPixels.height(),
                                                    c.GradientTopColour, c.FrameColour);
    // Setting the picture clears the bar to it.
    bar.surface.setPicture(gradient ? gradient->image() : QImage());

    drawButtons(bar, flags);

    // The border runs along the edges of the bar's surface, which is the picture box's size.
    const double w = bar.surface.scaleWidth();
    const double h = bar.surface.scaleHeight();
    // No bottom line: the host's frame goes on below the bar.
    const Segment border[] = {
        {0, 0, w - 15, 0, c.OuterLineColour},
        {0, 0, 0, h, c.OuterLineColour},
        {15, 15, 15, h, backColour},
        {w - 30, 15, w - 30, h, c.InnerLineColour},
        {w - 15, 0, w - 15, h, c.OuterLineColour},
    };
    for (const Segment& line : border)
        bar.surface.line(line.x1, line.y1, line.x2, line.y2, line.colour);
}

void SkinPainter::drawButton(const TitleBarPlace& bar, CaptionButton button, ButtonLook look) {
    std::optional<ButtonLook>& shown = shownLooks_[std::size_t(button)];
    shown.reset();
    if (!properties_.shows(button))
        return;
    const CaptionButtonCanvas canvas{bar.surface, properties_.colours, properties_.marksCorners(),
                                     bar.width, bar.top};
    try {
        DrawCaptionButton(canvas, button, look);
        shown = look;
    } catch (const RuntimeError&) {
        // What was drawn stays; the failure ends only this button.
    }
}

void SkinPainter::drawButtons(const TitleBarPlace& bar, const CaptionButtonFlags& flags) {
    for (CaptionButton button : captionButtons)
        drawButton(bar, button, flags.look(button));
}

bool SkinPainter::drawChangedButtons(const TitleBarPlace& bar, const CaptionButtonFlags& flags) {
    bool drawn = false;
    for (CaptionButton button : captionButtons) {
        const ButtonLook look = flags.look(button);
        if (properties_.shows(button) && shownLooks_[std::size_t(button)] != look) {
            drawButton(bar, button, look);
            drawn = true;
        }
    }
    return drawn;
}

void SkinPainter::paintHostFrame(Surface& host, QSizeF size) const {
    const ColourScheme& c = properties_.colours;
    const double w = size.width();
    const double h = size.height();
    // The second column from the left is left to the back colour.
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
    host.cls();
    for (const Segment& line : frame)
        host.line(line.x1, line.y1, line.x2, line.y2, line.colour);
}

} // namespace dorvak
