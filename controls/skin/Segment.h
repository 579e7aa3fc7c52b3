#pragma once

#include "platform/gdi/Color.h"

namespace dorvak {

// A one-pixel line the skin draws, from (x1, y1) to (x2, y2) without the end point, in twips.
struct Segment {
    double x1;
    double y1;
    double x2;
    double y2;
    OleColor colour;
};

} // namespace dorvak
