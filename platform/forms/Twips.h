#pragma once

#include "platform/gdi/Surface.h"

#include <cmath>

namespace dorvak {

// Positions and sizes from outside a control are in twips, 15 per device-independent pixel
// (twipsPerPixel, beside the Surface), so a HiDPI screen scales the whole window evenly.

// Nearest pixel, halves to the even neighbour, as every coordinate conversion of the runtime.
inline int pixelsFromTwips(double twips) {
    return static_cast<int>(std::nearbyint(twips / twipsPerPixel));
}

inline float twipsFromPixels(double pixels) {
    return static_cast<float>(pixels * twipsPerPixel);
}

// The screen's conversion factors, as the classic runtime's screen object reports them.
inline float TwipsPerPixelX() {
    return twipsPerPixel;
}
inline float TwipsPerPixelY() {
    return twipsPerPixel;
}

} // namespace dorvak
