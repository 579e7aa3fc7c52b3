#pragma once

#include "controls/button/ButtonState.h"

namespace dorvak {

// The colours that setting ButtonStyle loads (the face colours; styles 4 and 6 also narrow a
// gradient background down to the one they are drawn for). Other styles load nothing.
void loadStyleColors(ButtonState& button, std::int32_t buttonStyle);

// The face colours and the one border colour of a ButtonTheme; theme 0 and unknown themes
// load nothing.
void loadThemeColors(ButtonState& button, std::int32_t buttonTheme);

} // namespace dorvak
