#pragma once

#include "controls/button/ButtonState.h"
#include "controls/button/ButtonStyles.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Regions.h"
#include "platform/runtime/IntegerConversion.h"

#include <string>

namespace dorvak {

class Surface;

// A computed coordinate or size on the face, rounded halves to even; beyond 32 bits it is
// an overflow error.
inline int toPixel(double value) {
    return toInt32(value);
}

// What a paint found out besides the face it drew: where the picture and caption went, and
// the region the window is to take (none: the whole rectangle).
struct PaintedFace {
    PixelBox pictureRect;
    PixelBox captionRect;
    OwnedRegion windowRegion;
};

// One repaint of a Button as a function of what it shows: the state, read only, drawn on a
// face already at its size. Fills the background, places and draws picture and caption
// with their effects, hands the outline to the shape renderer, marks the focus and draws
// the drop-down marker, all from scratch. What the control keeps of it (the boxes, the
// region) is the caller's to store.
class ButtonPainter {
public:
    ButtonPainter(const ButtonState& button, Surface& face, bool enabled);

    PaintedFace paint();

private:
    void fillBackground();
    void drawOwnGradient();
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

    // The colour of the state: pressed, else hovered, else at rest.
    OleColor byState(OleColor pressed, OleColor hover, OleColor rest) const;

    const ButtonState& button_;
    const StyleTraits& style_;
    Surface& surface_;
    const bool enabled_;
    HDC hdc_;
    std::string caption_; // in the system code page, as the text calls take it
    double SW = 0;        // the face in pixels
    double SH = 0;
    PaintedFace painted_;
};

} // namespace dorvak
