#pragma once

#include "platform/gdi/GdiTypes.h"

namespace dorvak {

// Text in the system code page (see CodePage.h), in the surface font. Drawn unantialiased
// in exactly the fore colour with a transparent background, (x, y) the top-left corner.
bool TextOutA(HDC hdc, int x, int y, const char* text, int length);
// Width and line height in pixels of the text in the surface font.
bool GetTextExtentPoint32A(HDC hdc, const char* text, int length, SIZE* size);

} // namespace dorvak
