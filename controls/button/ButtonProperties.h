#pragma once

#include <cstdint>
#include <type_traits>

// Every saved property of a Button, declared once, in the order it is saved and read back.
//
// FIELD(Name, Type, Default, AlsoLoads): a property held in the button's state under its own
// name, which is also its saved key and the name the host is told when it changes. Default is
// a new button's value and what a saved design without the key reads as. AlsoLoads is
// nullptr, or the colour set its setter loads after telling the host and before repainting.
// From this line come the state's field, the getter and setter, and its row in the table
// that places, reads and writes the properties.
//
// OWN(Name): a property with code of its own (ButtonPersistence.cpp, Button.cpp): the caption
// that a new button takes from its host, the picture, and what the surface holds.
//
// The numbered properties that have no names of their own: ButtonType 0 push button,
// 1 toggle; CaptionAlignment and PictureAlignment 0 top, 1 left, 2 centre, 3 right, 4 bottom;
// CaptionStyle 0 plain, 1 across, 2 down; DropDown 0 none, 1 left, 2 right, any other the
// top-left corner; ButtonTheme 0 none, 1 to 8 a colour set.
#define DORVAK_BUTTON_PROPERTIES(FIELD, OWN)                                                       \
    FIELD(ButtonShape, dorvak::ButtonShape, dorvak::ButtonShape::Rectangle, nullptr)               \
    FIELD(ButtonStyle, dorvak::ButtonStyle, dorvak::ButtonStyle::Raised3D, loadStyleColors)        \
    FIELD(ButtonStyleColors, dorvak::BackgroundMode, dorvak::BackgroundMode::BackSolid, nullptr)   \
    FIELD(ButtonTheme, std::int32_t, 0, loadThemeColors)                                           \
    FIELD(ButtonType, std::int32_t, 0, nullptr)                                                    \
    FIELD(CaptionAlignment, std::int32_t, 2, nullptr)                                              \
    FIELD(CaptionEffect, dorvak::CaptionEffect, dorvak::CaptionEffect::EffectNone, nullptr)        \
    FIELD(CaptionStyle, std::int32_t, 0, nullptr)                                                  \
    FIELD(DropDown, std::int32_t, 0, nullptr)                                                      \
    FIELD(PictureAlignment, std::int32_t, 2, nullptr)                                              \
    FIELD(BackColor, dorvak::OleColor, dorvak::buttonFace, nullptr)                                \
    FIELD(BackColorPressed, dorvak::OleColor, dorvak::buttonFace, nullptr)                         \
    FIELD(BackColorHover, dorvak::OleColor, dorvak::buttonFace, nullptr)                           \
    FIELD(BorderColor, dorvak::OleColor, 0, nullptr)                                               \
    FIELD(BorderColorPressed, dorvak::OleColor, 0, nullptr)                                        \
    FIELD(BorderColorHover, dorvak::OleColor, 0, nullptr)                                          \
    FIELD(ForeColor, dorvak::OleColor, 0x000000, nullptr)                                          \
    FIELD(ForeColorPressed, dorvak::OleColor, 0x0000FF, nullptr)                                   \
    FIELD(ForeColorHover, dorvak::OleColor, 0xFF0000, nullptr)                                     \
    FIELD(EffectColor, dorvak::OleColor, 0xFFFFFF, nullptr)                                        \
    OWN(Caption)                                                                                   \
    FIELD(FocusRect, bool, true, nullptr)                                                          \
    FIELD(Value, bool, false, nullptr)                                                             \
    FIELD(HandPointer, bool, false, nullptr)                                                       \
    OWN(Picture)                                                                                   \
    FIELD(PictureGray, bool, false, nullptr)                                                       \
    OWN(Enabled)                                                                                   \
    OWN(Font)                                                                                      \
    OWN(MouseIcon)                                                                                 \
    OWN(MousePointer)

// For the lists that leave out one kind of property.
#define DORVAK_BUTTON_NONE(...)

namespace dorvak {

// How a host sees a property's value: the enumerations as the 32-bit numbers they are.
template <typename T> using PublicValue = std::conditional_t<std::is_enum_v<T>, std::int32_t, T>;

} // namespace dorvak
