#pragma once

#include "controls/button/ButtonState.h"
#include "platform/forms/Event.h"
#include "platform/forms/UserControl.h"

#include <QMimeData>
#include <cstdint>

namespace dorvak {

// The owner-drawn push button: twelve shapes in nine edge styles, colour themes, gradient
// backgrounds, caption and picture placement with effects, a toggle mode and a focus mark.
// Every property setter stores the value, tells the host the property changed and repaints
// the whole face; input only changes the visual state and repaints.
class Button : public UserControl {
    Q_OBJECT

public:
    static constexpr const char* kind = "Button";

    explicit Button(const ControlSite& site);

    std::int32_t ButtonShape() const { return std::int32_t(state_.ButtonShape); }
    void setButtonShape(std::int32_t value);
    std::int32_t ButtonStyle() const { return std::int32_t(state_.ButtonStyle); }
    // Also loads the style's colour set.
    void setButtonStyle(std::int32_t value);
    std::int32_t ButtonStyleColors() const { return std::int32_t(state_.ButtonStyleColors); }
    void setButtonStyleColors(std::int32_t value);
    std::int32_t ButtonTheme() const { return state_.ButtonTheme; }
    // Also loads the theme's colour set.
    void setButtonTheme(std::int32_t value);
    std::int32_t ButtonType() const { return state_.ButtonType; }
    void setButtonType(std::int32_t value);
    std::int32_t CaptionAlignment() const { return state_.CaptionAlignment; }
    void setCaptionAlignment(std::int32_t value);
    std::int32_t CaptionEffect() const { return std::int32_t(state_.CaptionEffect); }
    void setCaptionEffect(std::int32_t value);
    std::int32_t CaptionStyle() const { return state_.CaptionStyle; }
    void setCaptionStyle(std::int32_t value);
    std::int32_t DropDown() const { return state_.DropDown; }
    void setDropDown(std::int32_t value);
    std::int32_t PictureAlignment() const { return state_.PictureAlignment; }
    void setPictureAlignment(std::int32_t value);

    OleColor BackColor() const { return state_.BackColor; }
    void setBackColor(OleColor value);
    OleColor BackColorPressed() const { return state_.BackColorPressed; }
    void setBackColorPressed(OleColor value);
    OleColor BackColorHover() const { return state_.BackColorHover; }
    void setBackColorHover(OleColor value);
    OleColor BorderColor() const { return state_.BorderColor; }
    void setBorderColor(OleColor value);
    OleColor BorderColorPressed() const { return state_.BorderColorPressed; }
    void setBorderColorPressed(OleColor value);
    OleColor BorderColorHover() const { return state_.BorderColorHover; }
    void setBorderColorHover(OleColor value);
    OleColor ForeColor() const { return state_.ForeColor; }
    void setForeColor(OleColor value);
    OleColor ForeColorPressed() const { return state_.ForeColorPressed; }
    void setForeColorPressed(OleColor value);
    OleColor ForeColorHover() const { return state_.ForeColorHover; }
    void setForeColorHover(OleColor value);
    OleColor EffectColor() const { return state_.EffectColor; }
    void setEffectColor(OleColor value);

    QString Caption() const { return state_.Caption; }
    void setCaption(const QString& value);
    bool FocusRect() const { return state_.FocusRect; }
    void setFocusRect(bool value);
    bool Value() const { return state_.Value; }
    void setValue(bool value);
    bool HandPointer() const { return state_.HandPointer; }
    void setHandPointer(bool value);
    // Shared with whoever assigned it, not copied.
    PicturePtr Picture() const { return state_.Picture; }
    void setPicture(PicturePtr value);
    bool PictureGray() const { return state_.PictureGray; }
    void setPictureGray(bool value);

    // Forwarded to the surface (Enabled and MousePointer are read through UserControl).
    void setEnabled(bool value);
    QFont Font() const;
    void setFont(const QFont& value);
    // Raises an overflow error for a code beyond 16 bits.
    void setMousePointer(std::int32_t value);
    void setMouseIcon(const QImage& value);

    // Kept for hosts that call it; the button has no About box.
    void ShowAbout() {}

    // The whole instance state, for inspection.
    const ButtonState& state() const { return state_; }

    Event<> Click;
    Event<> DblClick;
    Event<std::int16_t&, std::int16_t&> KeyDown;
    Event<std::int16_t&> KeyPress;
    Event<std::int16_t&, std::int16_t&> KeyUp;
    Event<std::int16_t&, std::int16_t&, float&, float&> MouseDown;
    Event<std::int16_t&, std::int16_t&, float&, float&> MouseMove;
    Event<std::int16_t&, std::int16_t&, float&, float&> MouseUp;
    // The forms runtime starts no OLE drag and drop on a button (its drop mode is none), so
    // these complete the interface hosts connect to but are not raised.
    Event<std::int32_t&> OLECompleteDrag;
    Event<QMimeData&, std::int32_t&, std::int16_t&, std::int16_t&, float&, float&> OLEDragDrop;
    Event<QMimeData&, std::int32_t&, std::int16_t&, std::int16_t&, float&, float&, std::int16_t&>
        OLEDragOver;
    Event<std::int32_t&, bool&> OLEGiveFeedback;
    Event<QMimeData&, std::int16_t&> OLESetData;
    Event<QMimeData&, std::int32_t&> OLEStartDrag;

protected:
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(PropertyBag& bag) override;
    void UserControl_WriteProperties(PropertyBag& bag) override;
    void UserControl_Terminate() override;
    void UserControl_Paint() override;
    void UserControl_Show() override;
    void UserControl_Resize() override;

    void UserControl_MouseDown(std::int16_t& button, std::int16_t& shift, float& x,
                               float& y) override;
    void UserControl_MouseMove(std::int16_t& button, std::int16_t& shift, float& x,
                               float& y) override;
    void UserControl_MouseUp(std::int16_t& button, std::int16_t& shift, float& x,
                             float& y) override;
    void UserControl_Click() override;
    void UserControl_DblClick() override;
    void UserControl_Press() override;
    void UserControl_KeyDown(std::int16_t& keyCode, std::int16_t& shift) override;
    void UserControl_KeyPress(std::int16_t& keyAscii) override;
    void UserControl_KeyUp(std::int16_t& keyCode, std::int16_t& shift) override;
    void UserControl_GotFocus() override;
    void UserControl_LostFocus() override;

private:
    // The saved properties and how each is placed anew, read and written.
    struct Persistence;

    // The setter protocol: store, notify under the property's name, repaint.
    template <typename T> void setField(T ButtonState::*field, T value, const char* name);
    void redraw();
    void applyMinimumSize();

    ButtonState state_;
    bool spaceHeld_ = false; // Space went down on the button and is not yet released
};

} // namespace dorvak
