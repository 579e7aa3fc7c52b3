// How a Button is placed anew, saved in its host's property bag and restored from it.
#include "controls/button/Button.h"

#include "controls/button/SystemColors.h"

#include "platform/forms/DesignValues.h"
#include "platform/forms/PropertyTable.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/runtime/IntegerConversion.h"

namespace dorvak {

// The rows of the properties that have code of their own, and the table of all of them in
// the order of ButtonProperties.h. Saved numbers and Booleans of the wrong type read as 0
// and false, as they always have.
struct Button::Persistence {
    template <typename T>
    static PropertyRow<Button> stateField(const char* key, T ButtonState::*member,
                                          std::type_identity_t<T> defaultValue) {
        return field<Button, T>(
            key, [member](Button& b) -> T& { return b.state_.*member; }, defaultValue);
    }

    // A new button is captioned with its name on the form; a saved one without a caption
    // shows the control's kind.
    static PropertyRow<Button> CaptionRow() {
        return own<Button>(
            "Caption",
            [](Button& b) {
                b.state_.Caption = b.ambientDisplayName();
                b.setAccessibleCaption(b.state_.Caption);
            },
            [](Button& b, const PropertyBag& bag, QLatin1String key) {
                b.state_.Caption = bag.ReadProperty(key, QString::fromLatin1(kind)).toString();
                b.setAccessibleCaption(b.state_.Caption);
            },
            [](Button& b, PropertyBag& bag, QLatin1String key) {
                bag.WriteProperty(key, b.state_.Caption, QString::fromLatin1(kind));
            });
    }

    static PropertyRow<Button> PictureRow() {
        return own<Button>(
            "Picture", [](Button& b) { b.state_.Picture = nullptr; },
            [](Button& b, const PropertyBag& bag, QLatin1String key) {
                b.state_.Picture = pictureFromImage(pictureFromJson(bag.ReadProperty(key)));
            },
            [](Button& b, PropertyBag& bag, QLatin1String key) {
                const PicturePtr& picture = b.state_.Picture;
                bag.WriteProperty(key, picture ? pictureToJson(picture->image()) : QJsonValue(),
                                  QJsonValue());
            });
    }

    static PropertyRow<Button> EnabledRow() {
        return own<Button>(
            "Enabled", [](Button& b) { b.UserControl::setEnabled(true); },
            [](Button& b, const PropertyBag& bag, QLatin1String key) {
                b.UserControl::setEnabled(boolFromJson(bag.ReadProperty(key, true), false));
            },
            [](Button& b, PropertyBag& bag, QLatin1String key) {
                bag.WriteProperty(key, b.isEnabled(), true);
            });
    }

    // A new button is drawn in Tahoma; a saved one without a font takes the host's.
    static PropertyRow<Button> FontRow() {
        return own<Button>(
            "Font",
            [](Button& b) {
                QFont font = b.surface().font();
                font.setFamily(QStringLiteral("Tahoma"));
                b.surface().setFont(font);
            },
            [](Button& b, const PropertyBag& bag, QLatin1String key) {
                b.setFont(fontFromJson(bag.ReadProperty(key), b.ambientFont()));
            },
            [](Button& b, PropertyBag& bag, QLatin1String key) {
                bag.WriteProperty(key, fontToJson(b.Font()), fontToJson(b.ambientFont()));
            });
    }

    static PropertyRow<Button> MouseIconRow() {
        return own<Button>(
            "MouseIcon", nullptr,
            [](Button& b, const PropertyBag& bag, QLatin1String key) {
                b.setMouseIcon(pictureFromJson(bag.ReadProperty(key)));
            },
            [](Button& b, PropertyBag& bag, QLatin1String key) {
                bag.WriteProperty(key, pictureToJson(b.MouseIcon()), QJsonValue());
            });
    }

    static PropertyRow<Button> MousePointerRow() {
        return own<Button>(
            "MousePointer", nullptr,
            [](Button& b, const PropertyBag& bag, QLatin1String key) {
                b.UserControl::setMousePointer(
                    toInt16(numberFromJson(bag.ReadProperty(key, 0), 0)));
            },
            [](Button& b, PropertyBag& bag, QLatin1String key) {
                bag.WriteProperty(key, qint64(b.MousePointer()), qint64(0));
            });
    }

    static const PropertyTable<Button>& table() {
#define DORVAK_BUTTON_FIELD_ROW(Name, Type, Default, AlsoLoads)                                    \
    stateField(#Name, &ButtonState::Name, Default),
#define DORVAK_BUTTON_OWN_ROW(Name) Name##Row(),
        static const PropertyTable<Button> properties{
            DORVAK_BUTTON_PROPERTIES(DORVAK_BUTTON_FIELD_ROW, DORVAK_BUTTON_OWN_ROW)};
#undef DORVAK_BUTTON_FIELD_ROW
#undef DORVAK_BUTTON_OWN_ROW
        return properties;
    }
};

void Button::UserControl_InitProperties() {
    setWidth(1200);
    setHeight(500);
    Persistence::table().placeAnew(*this);
    redraw();
}

void Button::UserControl_WriteProperties(PropertyBag& bag) {
    Persistence::table().write(*this, bag);
}

// The saved values go straight into the fields: no colour set is loaded and nothing is
// notified, so custom colours survive whatever style or theme was saved with them.
void Button::UserControl_ReadProperties(PropertyBag& bag) {
    Persistence::table().read(*this, bag);
}

void Button::UserControl_Terminate() {
    // Nothing to release: SetWindowRgn gave the shape region to the window, which keeps it.
}

} // namespace dorvak
