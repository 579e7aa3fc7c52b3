#pragma once

#include "platform/gdi/Color.h"
#include "platform/gdi/Picture.h"

namespace dorvak {

// A width × height picture whose rows run from the top colour (first row) to the bottom
// colour (last row), built once as one 32-bit bitmap. A single row takes the top colour.
// No picture (nullptr) for an empty size or when the bitmap cannot be made.
PicturePtr MakeGradientPicture(int width, int height, OleColor topColour, OleColor bottomColour);

} // namespace dorvak
