#pragma once

namespace dorvak {

// Makes the faces the windows are designed with ("Tahoma", "MS Sans Serif") available from
// the metric-compatible free fonts when the desktop does not already know them; otherwise
// Qt falls back to the desktop's sans-serif face.
void registerDesignFonts();

} // namespace dorvak
