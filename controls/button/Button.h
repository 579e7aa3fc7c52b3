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

    QString Caption() const { return state_.Caption; }
    void setCaption(const QString& value);
    // Shared with whoever assigned it, not copied.
    PicturePtr Picture() const { return state_.Picture; }
    void setPicture(PicturePtr value);

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

    // The getter and setter of each property held in the state (ButtonProperties.h); every
    // setter stores, tells the host, loads the style's or theme's colour set where there is
    // one, and repaints.
#define DORVAK_BUTTON_ACCESSORS(Name, Type, Default, AlsoLoads)                                    \
    PublicValue<Type> Name() const {                                                               \
        return PublicValue<Type>(state_.Name);                                                     \
    }                                                                                              \
    void set##Name(PublicValue<Type> value);
    DORVAK_BUTTON_PROPERTIES(DORVAK_BUTTON_ACCESSORS, DORVAK_BUTTON_NONE)
#undef DORVAK_BUTTON_ACCESSORS

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

    // The setter protocol: store, notify under the property's name, load the colour set the
    // property names (if any), repaint.
    template <typename T>
    void setField(T ButtonState::*field, T value, const char* name,
                  void (*alsoLoads)(ButtonState&) = nullptr);
    void redraw();
    void applyMinimumSize();

    ButtonState state_;
    bool spaceHeld_ = false; // Space went down on the button and is not yet released
};

} // namespace dorvak
