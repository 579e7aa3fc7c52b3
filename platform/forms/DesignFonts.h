#pragma once

#include <QFont>

namespace dorvak {

// Makes the faces the windows are designed with ("Tahoma", "MS Sans Serif") available from
// the metric-compatible free fonts when the desktop does not already know them; otherwise
// Qt falls back to the desktop's sans-serif face. "MS Sans Serif" has only bitmap strikes,
// which above 1× are drawn as 1× glyphs spread apart: on a screen with a device pixel ratio
// above 1 the family stands for fonts-wine's scalable Tahoma instead, decided once here.
void registerDesignFonts();

// The font as designed, drawn in the face that stands in for it: where a stand-in draws the
// family, its letters are set closer, so that a text keeps the width the family's strike
// gives it at 1× and fits the labels designed for it. The family and size stay as designed,
// so a saved design is unchanged.
QFont withDesignMetrics(QFont font);

} // namespace dorvak
