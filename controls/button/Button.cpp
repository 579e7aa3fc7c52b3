#include "controls/button/Button.h"

#include "controls/button/ButtonColorSets.h"
#include "controls/button/ButtonPainter.h"
#include "platform/runtime/IntegerConversion.h"

#include <QScopedValueRollback>

namespace dorvak {

Button::Button(const ControlSite& site)
    : UserControl(site) {}

template <typename T> void Button::setField(T ButtonState::*field, T value, const char* name) {
    state_.*field = std::move(value);
    PropertyChanged(QString::fromLatin1(name));
    redraw();
}

void Button::redraw() {
    // Sizing the control inside a paint resizes the widget, which asks for a paint again.
    if (painting_)
        return;
    const QScopedValueRollback painting(painting_, true);
    ButtonPainter(state_, *this).paint();
}

// A press from a screen reader is the release and click of a mouse click, without the pointer:
// the face springs back first, so a toggle flips from the value it shows, as under the mouse.
void Button::UserControl_Press() {
    state_.IsPressed = false;
    redraw();
    UserControl_Click();
}

void Button::setButtonShape(std::int32_t value) {
    setField(&ButtonState::ButtonShape, value, "ButtonShape");
}

void Button::setButtonStyle(std::int32_t value) {
    state_.ButtonStyle = value;
    PropertyChanged(QStringLiteral("ButtonStyle"));
    loadStyleColors(state_, value);
    redraw();
}

void Button::setButtonStyleColors(std::int32_t value) {
    setField(&ButtonState::ButtonStyleColors, value, "ButtonStyleColors");
}

void Button::setButtonTheme(std::int32_t value) {
    state_.ButtonTheme = value;
    PropertyChanged(QStringLiteral("ButtonTheme"));
    loadThemeColors(state_, value);
    redraw();
}

void Button::setButtonType(std::int32_t value) {
    setField(&ButtonState::ButtonType, value, "ButtonType");
}

void Button::setCaptionAlignment(std::int32_t value) {
    setField(&ButtonState::CaptionAlignment, value, "CaptionAlignment");
}

void Button::setCaptionEffect(std::int32_t value) {
    setField(&ButtonState::CaptionEffect, value, "CaptionEffect");
}

void Button::setCaptionStyle(std::int32_t value) {
    setField(&ButtonState::CaptionStyle, value, "CaptionStyle");
}

void Button::setDropDown(std::int32_t value) {
    setField(&ButtonState::DropDown, value, "DropDown");
}

void Button::setPictureAlignment(std::int32_t value) {
    setField(&ButtonState::PictureAlignment, value, "PictureAlignment");
}

void Button::setBackColor(OleColor value) {
    setField(&ButtonState::BackColor, value, "BackColor");
}

void Button::setBackColorPressed(OleColor value) {
    setField(&ButtonState::BackColorPressed, value, "BackColorPressed");
}

void Button::setBackColorHover(OleColor value) {
    setField(&ButtonState::BackColorHover, value, "BackColorHover");
}

void Button::setBorderColor(OleColor value) {
    setField(&ButtonState::BorderColor, value, "BorderColor");
}

void Button::setBorderColorPressed(OleColor value) {
    setField(&ButtonState::BorderColorPressed, value, "BorderColorPressed");
}

void Button::setBorderColorHover(OleColor value) {
    setField(&ButtonState::BorderColorHover, value, "BorderColorHover");
}

void Button::setForeColor(OleColor value) {
    setField(&ButtonState::ForeColor, value, "ForeColor");
}

void Button::setForeColorPressed(OleColor value) {
    setField(&ButtonState::ForeColorPressed, value, "ForeColorPressed");
}

void Button::setForeColorHover(OleColor value) {
    setField(&ButtonState::ForeColorHover, value, "ForeColorHover");
}

void Button::setEffectColor(OleColor value) {
    setField(&ButtonState::EffectColor, value, "EffectColor");
}

void Button::setCaption(const QString& value) {
    setAccessibleCaption(value);
    setField(&ButtonState::Caption, value, "Caption");
}

void Button::setFocusRect(bool value) {
    setField(&ButtonState::FocusRect, value, "FocusRect");
}

void Button::setValue(bool value) {
    setField(&ButtonState::Value, value, "Value");
}

void Button::setHandPointer(bool value) {
    setField(&ButtonState::HandPointer, value, "HandPointer");
}

void Button::setPicture(PicturePtr value) {
    setField(&ButtonState::Picture, std::move(value), "Picture");
}

void Button::setPictureGray(bool value) {
    setField(&ButtonState::PictureGray, value, "PictureGray");
}

void Button::setEnabled(bool value) {
    UserControl::setEnabled(value);
    PropertyChanged(QStringLiteral("Enabled"));
    redraw();
}

QFont Button::Font() const {
    return surface().font();
}

void Button::setFont(const QFont& value) {
    surface().setFont(value);
    PropertyChanged(QStringLiteral("Font"));
    redraw();
}

void Button::setMousePointer(std::int32_t value) {
    UserControl::setMousePointer(toInt16(value));
    PropertyChanged(QStringLiteral("MousePointer"));
    redraw();
}

void Button::setMouseIcon(const QImage& value) {
    UserControl::setMouseIcon(value);
    PropertyChanged(QStringLiteral("MouseIcon"));
    redraw();
}

void Button::UserControl_Paint() {
    redraw();
}

void Button::UserControl_Show() {
    redraw();
}

void Button::UserControl_Resize() {
    redraw();
}

} // namespace dorvak
