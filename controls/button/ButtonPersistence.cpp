// How a Button is placed anew, saved in its host's property bag and restored from it.
#include "controls/button/Button.h"

#include "controls/button/SystemColors.h"

#include "platform/forms/DesignValues.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/runtime/IntegerConversion.h"

namespace dorvak {

namespace {

QJsonValue integerValue(std::int64_t value) {
    return QJsonValue(qint64(value));
}

std::int32_t readInt32(const PropertyBag& bag, const char* key, std::int32_t defaultValue) {
    return toInt32(bag.ReadProperty(QLatin1String(key), defaultValue).toDouble());
}

OleColor readColor(const PropertyBag& bag, const char* key, OleColor defaultValue) {
    return colorFromJson(bag.ReadProperty(QLatin1String(key), integerValue(defaultValue)));
}

// Saved booleans may also be the runtime's numbers (-1 true, 0 false).
bool readBool(const PropertyBag& bag, const char* key, bool defaultValue) {
    const QJsonValue value = bag.ReadProperty(QLatin1String(key), defaultValue);
    return value.isBool() ? value.toBool() : value.toDouble() != 0;
}

void writeInt(PropertyBag& bag, const char* key, std::int64_t value, std::int64_t defaultValue) {
    bag.WriteProperty(QLatin1String(key), integerValue(value), integerValue(defaultValue));
}

void writeBool(PropertyBag& bag, const char* key, bool value, bool defaultValue) {
    bag.WriteProperty(QLatin1String(key), value, defaultValue);
}

QJsonValue pictureValue(const PicturePtr& picture) {
    return picture ? pictureToJson(picture->image()) : QJsonValue();
}

} // namespace

void Button::UserControl_InitProperties() {
    setWidth(1200);
    setHeight(500);
    state_.ButtonStyle = 1;
    state_.ButtonStyleColors = 1;
    state_.ButtonShape = 0;
    state_.CaptionAlignment = 2;
    state_.PictureAlignment = 2;
    state_.ButtonTheme = 0;
    state_.BackColor = buttonFace;
    state_.BackColorPressed = buttonFace;
    state_.BackColorHover = buttonFace;
    state_.ButtonType = 0;
    state_.CaptionStyle = 0;
    state_.CaptionEffect = 0;
    state_.DropDown = 0;
    state_.ForeColor = 0x000000;
    state_.ForeColorPressed = 0x0000FF;
    state_.ForeColorHover = 0xFF0000;
    state_.EffectColor = 0xFFFFFF;
    state_.Caption = ambientDisplayName();
    setAccessibleCaption(state_.Caption);
    state_.FocusRect = true;
    state_.Value = false;
    state_.HandPointer = false;
    state_.Picture = nullptr;
    state_.PictureGray = false;
    UserControl::setEnabled(true);
    QFont font = surface().font();
    font.setFamily(QStringLiteral("Tahoma"));
    surface().setFont(font);
    redraw();
}

void Button::UserControl_WriteProperties(PropertyBag& bag) {
    writeInt(bag, "ButtonShape", state_.ButtonShape, 0);
    writeInt(bag, "ButtonStyle", state_.ButtonStyle, 1);
    writeInt(bag, "ButtonStyleColors", state_.ButtonStyleColors, 1);
    writeInt(bag, "ButtonTheme", state_.ButtonTheme, 0);
    writeInt(bag, "ButtonType", state_.ButtonType, 0);
    writeInt(bag, "CaptionAlignment", state_.CaptionAlignment, 2);
    writeInt(bag, "CaptionEffect", state_.CaptionEffect, 0);
    writeInt(bag, "CaptionStyle", state_.CaptionStyle, 0);
    writeInt(bag, "DropDown", state_.DropDown, 0);
    writeInt(bag, "PictureAlignment", state_.PictureAlignment, 2);
    writeInt(bag, "BackColor", state_.BackColor, buttonFace);
    writeInt(bag, "BackColorPressed", state_.BackColorPressed, buttonFace);
    writeInt(bag, "BackColorHover", state_.BackColorHover, buttonFace);
    writeInt(bag, "BorderColor", state_.BorderColor, 0);
    writeInt(bag, "BorderColorPressed", state_.BorderColorPressed, 0);
    writeInt(bag, "BorderColorHover", state_.BorderColorHover, 0);
    writeInt(bag, "ForeColor", state_.ForeColor, 0);
    writeInt(bag, "ForeColorPressed", state_.ForeColorPressed, 0x0000FF);
    writeInt(bag, "ForeColorHover", state_.ForeColorHover, 0xFF0000);
    writeInt(bag, "EffectColor", state_.EffectColor, 0xFFFFFF);
    bag.WriteProperty(QStringLiteral("Caption"), state_.Caption, QString::fromLatin1(kind));
    writeBool(bag, "FocusRect", state_.FocusRect, true);
    writeBool(bag, "Value", state_.Value, false);
    writeBool(bag, "HandPointer", state_.HandPointer, false);
    bag.WriteProperty(QStringLiteral("Picture"), pictureValue(state_.Picture), QJsonValue());
    writeBool(bag, "PictureGray", state_.PictureGray, false);
    writeBool(bag, "Enabled", isEnabled(), true);
    bag.WriteProperty(QStringLiteral("Font"), fontToJson(Font()), fontToJson(ambientFont()));
    bag.WriteProperty(QStringLiteral("MouseIcon"), pictureToJson(MouseIcon()), QJsonValue());
    writeInt(bag, "MousePointer", MousePointer(), 0);
}

// The saved values go straight into the fields: no colour set is loaded and nothing is
// notified, so custom colours survive whatever style or theme was saved with them.
void Button::UserControl_ReadProperties(PropertyBag& bag) {
    state_.ButtonShape = readInt32(bag, "ButtonShape", 0);
    state_.ButtonStyle = readInt32(bag, "ButtonStyle", 1);
    state_.ButtonStyleColors = readInt32(bag, "ButtonStyleColors", 1);
    state_.ButtonTheme = readInt32(bag, "ButtonTheme", 0);
    state_.ButtonType = readInt32(bag, "ButtonType", 0);
    state_.CaptionAlignment = readInt32(bag, "CaptionAlignment", 2);
    state_.CaptionEffect = readInt32(bag, "CaptionEffect", 0);
    state_.CaptionStyle = readInt32(bag, "CaptionStyle", 0);
    state_.DropDown = readInt32(bag, "DropDown", 0);
    state_.PictureAlignment = readInt32(bag, "PictureAlignment", 2);
    state_.BackColor = readColor(bag, "BackColor", buttonFace);
    state_.BackColorPressed = readColor(bag, "BackColorPressed", buttonFace);
    state_.BackColorHover = readColor(bag, "BackColorHover", buttonFace);
    state_.BorderColor = readColor(bag, "BorderColor", 0);
    state_.BorderColorPressed = readColor(bag, "BorderColorPressed", 0);
    state_.BorderColorHover = readColor(bag, "BorderColorHover", 0);
    state_.ForeColor = readColor(bag, "ForeColor", 0);
    state_.ForeColorPressed = readColor(bag, "ForeColorPressed", 0x0000FF);
    state_.ForeColorHover = readColor(bag, "ForeColorHover", 0xFF0000);
    state_.EffectColor = readColor(bag, "EffectColor", 0xFFFFFF);
    state_.Caption =
        bag.ReadProperty(QStringLiteral("Caption"), QString::fromLatin1(kind)).toString();
    setAccessibleCaption(state_.Caption);
    state_.FocusRect = readBool(bag, "FocusRect", true);
    state_.Value = readBool(bag, "Value", false);
    state_.HandPointer = readBool(bag, "HandPointer", false);
    state_.Picture = pictureFromImage(pictureFromJson(bag.ReadProperty(QStringLiteral("Picture"))));
    state_.PictureGray = readBool(bag, "PictureGray", false);
    UserControl::setEnabled(readBool(bag, "Enabled", true));
    setFont(fontFromJson(bag.ReadProperty(QStringLiteral("Font")), ambientFont()));
    setMouseIcon(pictureFromJson(bag.ReadProperty(QStringLiteral("MouseIcon"))));
    UserControl::setMousePointer(
        toInt16(bag.ReadProperty(QStringLiteral("MousePointer"), 0).toDouble()));
}

void Button::UserControl_Terminate() {
    // Nothing to release: SetWindowRgn gave the shape region to the window, which keeps it.
}

} // namespace dorvak
