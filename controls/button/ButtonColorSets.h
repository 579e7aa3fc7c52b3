#pragma once

#include "controls/button/ButtonState.h"

namespace dorvak {

// The colours that setting ButtonStyle loads for the style stored (the face colours, and for some
// styles the background they are drawn for). Styles without a colour set load nothing.
void loadStyleColors(ButtonState& button);

// The face colours and the one border colour of the ButtonTheme stored; theme 0 and unknown themes
// load nothing.
void loadThemeColors(ButtonState& button);

} // namespace dorvak
