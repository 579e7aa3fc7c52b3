#include "controls/button/ButtonColorSets.h"

#include "controls/button/SystemColors.h"

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

void loadStyleColors(ButtonState& button, std::int32_t buttonStyle) {
    switch (buttonStyle) {
    case 1:
    case 2:
    case 3:
        loadFace(button, {buttonFace, buttonFace, buttonFace});
        break;
    case 4:
        loadFace(button, {buttonFace, buttonFace, 0x999999});
        if (button.ButtonStyleColors != 0)
            button.ButtonStyleColors = 1;
        break;
    case 5:
        loadFace(button, {buttonFace, 0xB6A59F, 0xAF8C80});
        break;
    case 6:
        loadFace(button, {0xD2DEDD, 0xFFFFFF, 0xFFFFFF});
        if (button.ButtonStyleColors != 0)
            button.ButtonStyleColors = 3;
        break;
    case 7:
        loadFace(button, {0xD8D8D8, 0xF7DBA5, 0xEFCE92});
        break;
    case 8:
        loadFace(button, {desktopColor, desktopColor, desktopColor});
        break;
    default:
        break;
    }
}

void loadThemeColors(ButtonState& button, std::int32_t buttonTheme) {
    if (buttonTheme < 1 || buttonTheme > std::int32_t(themes.size()))
        return;
    const Theme& theme = themes[std::size_t(buttonTheme - 1)];
    loadFace(button, theme.face);
    button.BorderColor = theme.border;
    button.BorderColorHover = theme.border;
    button.BorderColorPressed = theme.border;
}

} // namespace dorvak
