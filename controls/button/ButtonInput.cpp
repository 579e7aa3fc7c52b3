// How a Button turns mouse, key and focus notifications into its visual state and the events
// it raises to its host.
#include "controls/button/Button.h"

#include "platform/windowing/Pointer.h"

namespace dorvak {

namespace {

constexpr std::int16_t keyEnter = 13;
constexpr std::int16_t keySpace = 32;

} // namespace

void Button::UserControl_MouseDown(std::int16_t& button, std::int16_t& shift, float& x, float& y) {
    state_.IsPressed = true;
    redraw();
    MouseDown.raise(button, shift, x, y);
}

void Button::UserControl_MouseMove(std::int16_t& button, std::int16_t& shift, float& x, float& y) {
    // The event's own coordinates may be stale under capture; the pointer is not.
    POINT pointer;
    GetCursorPos(&pointer);
    ScreenToClient(hWnd(), &pointer);
    if (!ambientUserMode())
        return;

    const Surface& face = surface();
    // The column just right of the face and the row just below it still count as inside.
    const bool inside = pointer.x >= 0 && pointer.y >= 0 && pointer.x <= face.scaleWidth() &&
                        pointer.y <= face.scaleHeight();
    // Keeping the capture while inside lets the button see the pointer leave.
    if (inside)
        SetCapture(hWnd());
    else
        ReleaseCapture();

    if (inside != state_.mouseOver()) {
        state_.IsMouseOver = inside;
        state_.IsPressed = false;
        redraw();
    }
    MouseMove.raise(button, shift, x, y);
}

void Button::UserControl_MouseUp(std::int16_t& button, std::int16_t& shift, float& x, float& y) {
    // The platform ends the capture with the click; take it back to go on tracking hover.
    if (GetCapture() != hWnd())
        SetCapture(hWnd());
    state_.IsPressed = false;
    redraw();
    MouseUp.raise(button, shift, x, y);
}

void Button::UserControl_Click() {
    // The repaint after mouse up drew a toggle that is on as pressed, so IsPressed tells
    // which way to flip.
    if (state_.ButtonType == 1)
        state_.Value = !state_.IsPressed;
    redraw();
    Click.raise();
}

void Button::UserControl_DblClick() {
    state_.IsPressed = true;
    redraw();
    DblClick.raise();
}

void Button::UserControl_KeyDown(std::int16_t& keyCode, std::int16_t& shift) {
    if (keyCode == keySpace)
        spaceHeld_ = true;
    if (keyCode == keySpace || keyCode == keyEnter) {
        state_.IsPressed = true;
        redraw();
    }
    KeyDown.raise(keyCode, shift);
}

void Button::UserControl_KeyPress(std::int16_t& keyAscii) {
    KeyPress.raise(keyAscii);
}

void Button::UserControl_KeyUp(std::int16_t& keyCode, std::int16_t& shift) {
    // Space pressed and released on the button clicks it, as on any push button; the face
    // springs back first, so a toggle flips from the value it shows.
    const bool spaceClick = keyCode == keySpace && spaceHeld_;
    if (keyCode == keySpace)
        spaceHeld_ = false;
    if (state_.IsPressed) {
        state_.IsPressed = false;
        redraw();
        // Enter leaves the face pressed and reports a press at the corner.
        if (keyCode == keyEnter) {
            std::int16_t button = 0, noShift = 0;
            float x = 0, y = 0;
            UserControl_MouseDown(button, noShift, x, y);
        }
    }
    if (spaceClick)
        UserControl_Click();
    KeyUp.raise(keyCode, shift);
}

void Button::UserControl_GotFocus() {
    state_.HasFocus = true;
    redraw();
}

void Button::UserControl_LostFocus() {
    // A Space released elsewhere clicks nothing here.
    spaceHeld_ = false;
    state_.HasFocus = false;
    redraw();
}

} // namespace dorvak
