#include "controls/skin/SkinProperties.h"

#include "platform/forms/DesignValues.h"
#include "platform/forms/Image.h"
#include "platform/forms/Label.h"
#include "platform/forms/PropertyBag.h"
#include "platform/forms/PropertyTable.h"
#include "platform/runtime/IntegerConversion.h"
#include "platform/runtime/ResumeNext.h"

#include <type_traits>

namespace dorvak {

namespace {

// The skin saves colours as text and takes a value of the wrong type as a type mismatch,
// which leaves the property as it was.
template <typename T> struct SkinValue {
    static QJsonValue toJson(T value) {
        if constexpr (std::is_same_v<T, OleColor>)
            return colorToJson(value);
        else
            return BagValue<T>::toJson(value);
    }
    static T fromJson(const QJsonValue& value) {
        if constexpr (std::is_same_v<T, bool>)
            return boolFromJson(value);
        else if constexpr (std::is_same_v<T, OleColor>)
            return colorFromJson(value);
        else if constexpr (std::is_same_v<T, std::int16_t>)
            return toInt16(numberFromJson(value));
        else
            return toInt32(numberFromJson(value));
    }
};

} // namespace

// What the table reads and writes: the skin's values and the child controls that hold the
// caption, its font and the icon (present only where the whole table is read or written).
struct SkinProperties::Persistence {
    SkinProperties& skin;
    const CaptionControls* controls = nullptr;

    template <typename T>
    static PropertyRow<Persistence> value(const char* key, T SkinProperties::*member,
                                          std::type_identity_t<T> defaultValue) {
        return field<SkinValue<T>, Persistence, T>(
            key, [member](Persistence& p) -> T& { return p.skin.*member; }, defaultValue);
    }

    // The saved order; the Style is read once more, first, defaulting to the dark scheme.
    static const PropertyTable<Persistence>& table() {
        static const PropertyTable<Persistence> properties{
            own<Persistence>(
                "Caption", nullptr,
                [](Persistence& p, const PropertyBag& bag, QLatin1String key) {
                    const CaptionControls& c = *p.controls;
                    c.caption.setCaption(bag.ReadProperty(key, c.defaultCaption).toString());
                },
                [](Persistence& p, PropertyBag& bag, QLatin1String key) {
                    bag.WriteProperty(key, p.controls->caption.Caption(),
                                      p.controls->defaultCaption);
                }),
            value("DisplayIcon", &SkinProperties::DisplayIcon, false),
            own<Persistence>(
                "Font", nullptr,
                [](Persistence& p, const PropertyBag& bag, QLatin1String key) {
                    const CaptionControls& c = *p.controls;
                    c.caption.setFont(fontFromJson(bag.ReadProperty(key), c.defaultFont));
                },
                [](Persistence& p, PropertyBag& bag, QLatin1String key) {
                    bag.WriteProperty(key, fontToJson(p.controls->caption.font()),
                                      fontToJson(p.controls->defaultFont));
                }),
            value("ForeColor", &SkinProperties::CaptionColour, 0),
            own<Persistence>(
                "Icon", nullptr,
                [](Persistence& p, const PropertyBag& bag, QLatin1String key) {
                    p.controls->icon.setPicture(pictureFromJson(bag.ReadProperty(key)));
                },
                [](Persistence& p, PropertyBag& bag, QLatin1String key) {
                    bag.WriteProperty(key, pictureToJson(p.controls->icon.Picture()),
                                      pictureToJson(QImage()));
                }),
            value("ShowCloseButton", &SkinProperties::ShowCloseButton, true),
            value("ShowMinimiseButton", &SkinProperties::ShowMinimiseButton, true),
            value("ShowMaximiseButton", &SkinProperties::ShowMaximiseButton, true),
            value("Style", &SkinProperties::Style, 0).readFirst(1),
            value("Transparency", &SkinProperties::Transparency, false),
            value("TransparencyLevel", &SkinProperties::TransparencyLevel, 15),
        };
        return properties;
    }
};

SkinProperties::SkinProperties() {
    Persistence persistence{*this};
    Persistence::table().placeAnew(persistence);
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
    Persistence persistence{*this};
    Persistence::table().readFirst(persistence, bag);
}

void SkinProperties::read(const PropertyBag& bag, const CaptionControls& controls) {
    Persistence persistence{*this, &controls};
    Persistence::table().read(persistence, bag,
                              [](const std::function<void()>& step) { resumeNext(step); });
}

void SkinProperties::write(PropertyBag& bag, const CaptionControls& controls) {
    Persistence persistence{*this, &controls};
    Persistence::table().write(persistence, bag);
}

} // namespace dorvak
