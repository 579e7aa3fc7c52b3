#include "controls/skin/SkinProperties.h"

#include "platform/forms/DesignValues.h"
#include "platform/forms/Image.h"
#include "platform/forms/Label.h"
#include "platform/forms/PropertyBag.h"
#include "platform/runtime/IntegerConversion.h"
#include "platform/runtime/ResumeNext.h"

#include <array>
#include <type_traits>
#include <variant>

namespace dorvak {

// One entry per saved property, in the order they are written and read back, with its
// default. A value of the wrong type is a type mismatch, which leaves the property as it was.
struct SkinProperties::Persistence {
    using Flag = bool SkinProperties::*;
    using Number = std::int32_t SkinProperties::*;
    using ShortNumber = std::int16_t SkinProperties::*;
    using Colour = OleColor SkinProperties::*;
    // The properties the child controls hold, with defaults of the host's.
    struct Accessor {
        void (*read)(const CaptionControls&, const PropertyBag&, const QString& key);
        void (*write)(const CaptionControls&, PropertyBag&, const QString& key);
    };
    struct Property {
        const char* key;
        std::variant<Flag, Number, ShortNumber, Colour, Accessor> member;
        std::int32_t defaultValue = 0;
    };

    static const std::array<Property, 11> properties;

    static void read(SkinProperties& skin, const PropertyBag& bag, const CaptionControls& controls,
                     const Property& property);
    static void write(const SkinProperties& skin, PropertyBag& bag, const CaptionControls& controls,
                      const Property& property);
};

const std::array<SkinProperties::Persistence::Property, 11> SkinProperties::Persistence::properties{
    {
        {"Caption",
         Accessor{[](const CaptionControls& c, const PropertyBag& bag, const QString& key) {
                      c.caption.setCaption(bag.ReadProperty(key, c.defaultCaption).toString());
                  },
                  [](const CaptionControls& c, PropertyBag& bag, const QString& key) {
                      bag.WriteProperty(key, c.caption.Caption(), c.defaultCaption);
                  }}},
        {"DisplayIcon", &SkinProperties::DisplayIcon, false},
        {"Font", Accessor{[](const CaptionControls& c, const PropertyBag& bag, const QString& key) {
                              c.caption.setFont(fontFromJson(bag.ReadProperty(key), c.defaultFont));
                          },
                          [](const CaptionControls& c, PropertyBag& bag, const QString& key) {
                              bag.WriteProperty(key, fontToJson(c.caption.font()),
                                                fontToJson(c.defaultFont));
                          }}},
        {"ForeColor", &SkinProperties::CaptionColour, 0},
        {"Icon", Accessor{[](const CaptionControls& c, const PropertyBag& bag, const QString& key) {
                              c.icon.setPicture(pictureFromJson(bag.ReadProperty(key)));
                          },
                          [](const CaptionControls& c, PropertyBag& bag, const QString& key) {
                              bag.WriteProperty(key, pictureToJson(c.icon.Picture()),
                                                pictureToJson(QImage()));
                          }}},
        {"ShowCloseButton", &SkinProperties::ShowCloseButton, true},
        {"ShowMinimiseButton", &SkinProperties::ShowMinimiseButton, true},
        {"ShowMaximiseButton", &SkinProperties::ShowMaximiseButton, true},
        {"Style", &SkinProperties::Style, 0},
        {"Transparency", &SkinProperties::Transparency, false},
        {"TransparencyLevel", &SkinProperties::TransparencyLevel, 15},
    }};

SkinProperties::SkinProperties() {
    for (const Persistence::Property& property : Persistence::properties) {
        std::visit(
            [&](auto member) {
                using Member = decltype(member);
                if constexpr (!std::is_same_v<Member, Persistence::Accessor>) {
                    using Value = std::remove_reference_t<decltype(this->*member)>;
                    this->*member = static_cast<Value>(property.defaultValue);
                }
            },
            property.member);
    }
}

void SkinProperties::ApplyColourScheme() {
    if (const std::optional<ColourScheme> scheme = colourSchemeOfStyle(Style)) {
        colours = *scheme;
        CaptionColour = scheme->CaptionColour;
    }
}

bool SkinProperties::shows(CaptionButton button) const {
    switch (button) {
    case CaptionButton::Minimise:
        return ShowMinimiseButton;
    case CaptionButton::Maximise:
        return ShowMaximiseButton;
    case CaptionButton::Close:
        break;
    }
    return ShowCloseButton;
}

void SkinProperties::readProvisionalStyle(const PropertyBag& bag) {
    Style = toInt32(numberFromJson(bag.ReadProperty("Style", 1)));
}

void SkinProperties::read(const PropertyBag& bag, const CaptionControls& controls) {
    for (const Persistence::Property& property : Persistence::properties)
        resumeNext([&] { Persistence::read(*this, bag, controls, property); });
}

void SkinProperties::write(PropertyBag& bag, const CaptionControls& controls) const {
    for (const Persistence::Property& property : Persistence::properties)
        Persistence::write(*this, bag, controls, property);
}

void SkinProperties::Persistence::read(SkinProperties& skin, const PropertyBag& bag,
                                       const CaptionControls& controls, const Property& property) {
    const QString key = QString::fromLatin1(property.key);
    const std::int32_t fallback = property.defaultValue;
    std::visit(
        [&](auto member) {
            using Member = decltype(member);
            if constexpr (std::is_same_v<Member, Accessor>)
                member.read(controls, bag, key);
            else if constexpr (std::is_same_v<Member, Flag>)
                skin.*member = boolFromJson(bag.ReadProperty(key, fallback != 0));
            else if constexpr (std::is_same_v<Member, Number>)
                skin.*member = toInt32(numberFromJson(bag.ReadProperty(key, fallback)));
            else if constexpr (std::is_same_v<Member, ShortNumber>)
                skin.*member = toInt16(numberFromJson(bag.ReadProperty(key, fallback)));
            else
                skin.*member = colorFromJson(bag.ReadProperty(key, fallback));
        },
        property.member);
}

void SkinProperties::Persistence::write(const SkinProperties& skin, PropertyBag& bag,
                                        const CaptionControls& controls, const Property& property) {
    const QString key = QString::fromLatin1(property.key);
    const std::int32_t fallback = property.defaultValue;
    std::visit(
        [&](auto member) {
            using Member = decltype(member);
            if constexpr (std::is_same_v<Member, Accessor>)
                member.write(controls, bag, key);
            else if constexpr (std::is_same_v<Member, Flag>)
                bag.WriteProperty(key, skin.*member, fallback != 0);
            else if constexpr (std::is_same_v<Member, Colour>)
                bag.WriteProperty(key, colorToJson(skin.*member),
                                  colorToJson(static_cast<OleColor>(fallback)));
            else
                bag.WriteProperty(key, int(skin.*member), fallback);
        },
        property.member);
}

} // namespace dorvak
