#pragma once

#include "controls/button/ButtonState.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/runtime/IntegerConversion.h"

#include <string>

namespace dorvak {

class Surface;
class UserControl;

// A computed coordinate or size on the face, rounded halves to even; beyond 32 bits it is
// an overflow error.
inline int toPixel(double value) {
    return toInt32(value);
}

// One repaint of a Button: sizes the control, fills the background, places and draws picture
// and caption with their effects, hands the outline to the shape renderer, marks the focus,
// draws the drop-down marker and makes the back colour see-through. Everything is drawn
// from scratch; only the caption and picture boxes and the state flags carry over.
class ButtonPainter {
public:
    ButtonPainter(ButtonState& button, UserControl& control);

    void paint();

private:
    void enforceMinimumSize();
    void chooseCursor();
    void fillBackground();
    void applyStyleColors();
    void drawOwnGradient();
    void gradient(double x0, double y0, OleColor c0, double x1, double y1, OleColor c1,
                  std::uint32_t mode);
    void placePicture();
    void drawPicture();
    void greyPicture(int channelShift);
    void placeCaption();
    void drawCaption();
    void drawCaptionText(OleColor color, int x, int y);
    void colourCaption();
    void drawShape();
    void markFocus();
    void frameCaption();
    void drawDropDown();

    bool enabled() const;
    // The colour of the state: pressed, else hovered, else at rest.
    OleColor byState(OleColor pressed, OleColor hover, OleColor rest) const;

    ButtonState& button_;
    UserControl& control_;
    Surface& surface_;
    HDC hdc_;
    std::string caption_; // in the system code page, as the text calls take it
    double SW = 0;        // the face in pixels, once sized
    double SH = 0;
};

} // namespace dorvak
