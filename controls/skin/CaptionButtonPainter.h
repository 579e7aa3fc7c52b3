#pragma once

#include "controls/skin/CaptionButtons.h"
#include "controls/skin/ColourScheme.h"

namespace dorvak {

class Surface;

// Where the caption buttons stand: on a title bar `width` twips wide whose top is `top`
// twips down its host, in the colours of `colours`. The light scheme (Style 0) adds the
// corner marks.
struct CaptionButtonCanvas {
    Surface& surface;
    const ColourScheme& colours;
    bool cornerMarks;
    double width;
    double top;
};

// Draws one caption button in `look` on the canvas's surface (in twips, one-pixel lines
// without their end points) and marks the pixels changed; the caller refreshes.
void DrawCaptionButton(const CaptionButtonCanvas& canvas, CaptionButton button, ButtonLook look);

} // namespace dorvak
