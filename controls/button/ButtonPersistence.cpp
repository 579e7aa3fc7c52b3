// How a Button is placed anew, saved in its host's property bag and restored from it.
#include "controls/button/Button.h"

#include "controls/button/SystemColors.h"

#include "platform/forms/DesignValues.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/runtime/IntegerConversion.h"

#include <array>
#include <type_traits>
#include <variant>

namespace dorvak {

namespace {

QJsonValue integerValue(std::int64_t value) {
    return QJsonValue(qint64(value));
}

QJsonValue pictureValue(const PicturePtr& picture) {
    return picture ? pictureToJson(picture->image()) : QJsonValue();
}

} // namespace

// One entry per saved property, in the order they are written and read back. A plain field
// of the state takes its default when placed anew; the others say what they do themselves.
// Saved numbers and Booleans of the wrong type read as 0 and false, as they always have.
struct Button::Persistence {
    using Number = std::int32_t ButtonState::*;
    using Colour = OleColor ButtonState::*;
    using Flag = bool ButtonState::*;
    using Shape = dorvak::ButtonShape ButtonState::*;
    using Style = dorvak::ButtonStyle ButtonState::*;
    using Background = BackgroundMode ButtonState::*;
    using Effect = dorvak::CaptionEffect ButtonState::*;
    struct Accessor {
        void (*placeAnew)(Button&); // none: a new button keeps what it has
        void (*read)(Button&, const PropertyBag&, QLatin1String key);
        void (*write)(Button&, PropertyBag&, QLatin1String key);
    };
    struct Property {
        const char* key;
        std::variant<Number, Colour, Flag, Shape, Style, Background, Effect, Accessor> member;
        std::int64_t defaultValue = 0;
    };

    static const std::array<Property, 30> properties;

    static void placeAnew(Button& button);
    static void read(Button& button, const PropertyBag& bag);
    static void write(Button& button, PropertyBag& bag);
};

const std::array<Button::Persistence::Property, 30> Button::Persistence::properties{{
    {"ButtonShape", &ButtonState::ButtonShape, 0},
    {"ButtonStyle", &ButtonState::ButtonStyle, 1},
    {"ButtonStyleColors", &ButtonState::ButtonStyleColors, 1},
    {"ButtonTheme", &ButtonState::ButtonTheme, 0},
    {"ButtonType", &ButtonState::ButtonType, 0},
    {"CaptionAlignment", &ButtonState::CaptionAlignment, 2},
    {"CaptionEffect", &ButtonState::CaptionEffect, 0},
    {"CaptionStyle", &ButtonState::CaptionStyle, 0},
    {"DropDown", &ButtonState::DropDown, 0},
    {"PictureAlignment", &ButtonState::PictureAlignment, 2},
    {"BackColor", &ButtonState::BackColor, buttonFace},
    {"BackColorPressed", &ButtonState::BackColorPressed, buttonFace},
    {"BackColorHover", &ButtonState::BackColorHover, buttonFace},
    {"BorderColor", &ButtonState::BorderColor, 0},
    {"BorderColorPressed", &ButtonState::BorderColorPressed, 0},
    {"BorderColorHover", &ButtonState::BorderColorHover, 0},
    {"ForeColor", &ButtonState::ForeColor, 0x000000},
    {"ForeColorPressed", &ButtonState::ForeColorPressed, 0x0000FF},
    {"ForeColorHover", &ButtonState::ForeColorHover, 0xFF0000},
    {"EffectColor", &ButtonState::EffectColor, 0xFFFFFF},
    // A new button is captioned with its name on the form; a saved one without a caption
    // shows the control's kind.
    {"Caption", Accessor{[](Button& b) {
                             b.state_.Caption = b.ambientDisplayName();
                             b.setAccessibleCaption(b.state_.Caption);
                         },
                         [](Button& b, const PropertyBag& bag, QLatin1String key) {
                             b.state_.Caption =
                                 bag.ReadProperty(key, QString::fromLatin1(kind)).toString();
                             b.setAccessibleCaption(b.state_.Caption);
                         },
                         [](Button& b, PropertyBag& bag, QLatin1String key) {
                             bag.WriteProperty(key, b.state_.Caption, QString::fromLatin1(kind));
                         }}},
    {"FocusRect", &ButtonState::FocusRect, true},
    {"Value", &ButtonState::Value, false},
    {"HandPointer", &ButtonState::HandPointer, false},
    {"Picture", Accessor{[](Button& b) { b.state_.Picture = nullptr; },
                         [](Button& b, const PropertyBag& bag, QLatin1String key) {
                             b.state_.Picture =
                                 pictureFromImage(pictureFromJson(bag.ReadProperty(key)));
                         },
                         [](Button& b, PropertyBag& bag, QLatin1String key) {
                             bag.WriteProperty(key, pictureValue(b.state_.Picture), QJsonValue());
                         }}},
    {"PictureGray", &ButtonState::PictureGray, false},
    {"Enabled", Accessor{[](Button& b) { b.UserControl::setEnabled(true); },
                         [](Button& b, const PropertyBag& bag, QLatin1String key) {
                             b.UserControl::setEnabled(
                                 boolFromJson(bag.ReadProperty(key, true), false));
                         },
                         [](Button& b, PropertyBag& bag, QLatin1String key) {
                             bag.WriteProperty(key, b.isEnabled(), true);
                         }}},
    // A new button is drawn in Tahoma; a saved one without a font takes the host's.
    {"Font", Accessor{[](Button& b) {
                          QFont font = b.surface().font();
                          font.setFamily(QStringLiteral("Tahoma"));
                          b.surface().setFont(font);
                      },
                      [](Button& b, const PropertyBag& bag, QLatin1String key) {
                          b.setFont(fontFromJson(bag.ReadProperty(key), b.ambientFont()));
                      },
                      [](Button& b, PropertyBag& bag, QLatin1String key) {
                          bag.WriteProperty(key, fontToJson(b.Font()), fontToJson(b.ambientFont()));
                      }}},
    {"MouseIcon", Accessor{nullptr,
                           [](Button& b, const PropertyBag& bag, QLatin1String key) {
                               b.setMouseIcon(pictureFromJson(bag.ReadProperty(key)));
                           },
                           [](Button& b, PropertyBag& bag, QLatin1String key) {
                               bag.WriteProperty(key, pictureToJson(b.MouseIcon()), QJsonValue());
                           }}},
    {"MousePointer", Accessor{nullptr,
                              [](Button& b, const PropertyBag& bag, QLatin1String key) {
                                  b.UserControl::setMousePointer(
                                      toInt16(numberFromJson(bag.ReadProperty(key, 0), 0)));
                              },
                              [](Button& b, PropertyBag& bag, QLatin1String key) {
                                  bag.WriteProperty(key, integerValue(b.MousePointer()),
                                                    integerValue(0));
                              }}},
}};

void Button::Persistence::placeAnew(Button& button) {
    for (const Property& property : properties) {
        std::visit(
            [&](auto member) {
                using Member = decltype(member);
                if constexpr (std::is_same_v<Member, Accessor>) {
                    if (member.placeAnew)
                        member.placeAnew(button);
                } else {
                    using Value = std::remove_reference_t<decltype(button.state_.*member)>;
                    button.state_.*member = static_cast<Value>(property.defaultValue);
                }
            },
            property.member);
    }
}

void Button::Persistence::read(Button& button, const PropertyBag& bag) {
    for (const Property& property : properties) {
        const QLatin1String key(property.key);
        ButtonState& state = button.state_;
        std::visit(
            [&](auto member) {
                using Member = decltype(member);
                if constexpr (std::is_same_v<Member, Accessor>)
                    member.read(button, bag, key);
                else if constexpr (std::is_same_v<Member, Number> ||
                                   std::is_enum_v<std::remove_reference_t<decltype(state.*member)>>)
                    state.*member = static_cast<std::remove_reference_t<decltype(state.*member)>>(
                        toInt32(numberFromJson(
                            bag.ReadProperty(key, integerValue(property.defaultValue)), 0)));
                else if constexpr (std::is_same_v<Member, Colour>)
                    state.*member =
                        colorFromJson(bag.ReadProperty(key, integerValue(property.defaultValue)));
                else
                    state.*member =
                        boolFromJson(bag.ReadProperty(key, property.defaultValue != 0), false);
            },
            property.member);
    }
}

void Button::Persistence::write(Button& button, PropertyBag& bag) {
    for (const Property& property : properties) {
        const QLatin1String key(property.key);
        const ButtonState& state = button.state_;
        std::visit(
            [&](auto member) {
                using Member = decltype(member);
                if constexpr (std::is_same_v<Member, Accessor>)
                    member.write(button, bag, key);
                else if constexpr (std::is_same_v<Member, Flag>)
                    bag.WriteProperty(key, state.*member, property.defaultValue != 0);
                else
                    bag.WriteProperty(key, integerValue(std::int64_t(state.*member)),
                                      integerValue(property.defaultValue));
            },
            property.member);
    }
}

void Button::UserControl_InitProperties() {
    setWidth(1200);
    setHeight(500);
    Persistence::placeAnew(*this);
    redraw();
}

void Button::UserControl_WriteProperties(PropertyBag& bag) {
    Persistence::write(*this, bag);
}

// The saved values go straight into the fields: no colour set is loaded and nothing is
// notified, so custom colours survive whatever style or theme was saved with them.
void Button::UserControl_ReadProperties(PropertyBag& bag) {
    Persistence::read(*this, bag);
}

void Button::UserControl_Terminate() {
    // Nothing to release: SetWindowRgn gave the shape region to the window, which keeps it.
}

} // namespace dorvak
