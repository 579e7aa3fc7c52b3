#include "controls/button/ButtonColorSets.h"

#include "controls/button/ButtonStyles.h"

#include <array>

namespace dorvak {

namespace {

struct FaceColors {
    OleColor back;
    OleColor hover;
    OleColor pressed;
};

void loadFace(ButtonState& button, const FaceColors& face) {
    button.BackColor = face.back;
    button.BackColorHover = face.hover;
    button.BackColorPressed = face.pressed;
}

struct Theme {
    FaceColors face;
    OleColor border;
};

// Themes 1 to 8.
constexpr std::array<Theme, 8> themes{{
    {{0xF1B39A, 0xFDF7F4, 0xFAE6DD}, 0xF1B39A},
    {{0x3DB4A2, 0xDFF4F2, 0xB8E7E0}, 0x3DB4A2},
    {{0xB5A09D, 0xF7F5F4, 0xECE7E6}, 0xB5A09D},
    {{0xABC2C2, 0xF2F8F8, 0xE6EDEE}, 0xABC2C2},
    {{0x02C5F5, 0xE2F9FF, 0xAFEFFE}, 0x02C5F5},
    {{0x26368B, 0x4763FF, 0x425CEE}, 0x0000FF},
    {{0x578B2E, 0x9FFF54, 0x80CD43}, 0x00FF00},
    {{0x8B4027, 0xFF7648, 0xCD5F3A}, 0xFF0000},
}};

} // namespace

void loadStyleColors(ButtonState& button) {
    const std::optional<StyleColorSet>& set = styleTraits(button.ButtonStyle).colorSet;
    if (!set)
        return;
    loadFace(button, {set->back, set->hover, set->pressed});
    if (set->narrowsBackgroundTo && button.ButtonStyleColors != BackgroundMode::BackTransparent)
        button.ButtonStyleColors = *set->narrowsBackgroundTo;
}

void loadThemeColors(ButtonState& button) {
    const std::int32_t buttonTheme = button.ButtonTheme;
    if (buttonTheme < 1 || buttonTheme > std::int32_t(themes.size()))
        return;
    const Theme& theme = themes[std::size_t(buttonTheme - 1)];
    loadFace(button, theme.face);
    button.BorderColor = theme.border;
    button.BorderColorHover = theme.border;
    button.BorderColorPressed = theme.border;
}

} // namespace dorvak
