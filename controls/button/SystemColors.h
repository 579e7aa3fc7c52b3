#pragma once

#include "platform/gdi/Color.h"

namespace dorvak {

// The system colours a Button draws with, kept untranslated so that they follow the desktop.
inline constexpr OleColor desktopColor = 0x80000001;
inline constexpr OleColor buttonFace = 0x8000000F;
inline constexpr OleColor buttonShadow = 0x80000010;
inline constexpr OleColor buttonHighlight = 0x80000014;
inline constexpr OleColor darkShadow3D = 0x80000015;

} // namespace dorvak
