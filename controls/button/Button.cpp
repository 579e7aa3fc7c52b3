#include "controls/button/Button.h"

#include "controls/button/ButtonColorSets.h"
#include "controls/button/ButtonPaintRules.h"
#include "controls/button/ButtonPainter.h"
#include "controls/button/ButtonStyles.h"
#include "platform/gdi/Surface.h"
#include "platform/runtime/IntegerConversion.h"
#include "platform/windowing/Cursors.h"
#include "platform/windowing/WindowShape.h"

namespace dorvak {

namespace {

// The smallest face, about 25 pixels a side: the painter's sizes never reach zero, so
// dividing by them is safe.
constexpr double minimumTwips = 375;

} // namespace

Button::Button(const ControlSite& site)
    : UserControl(site) {}

template <typename T>
void Button::setField(T ButtonState::*field, T value, const char* name,
                      void (*alsoLoads)(ButtonState&)) {
    state_.*field = std::move(value);
    PropertyChanged(QString::fromLatin1(name));
    if (alsoLoads)
        alsoLoads(state_);
    redraw();
}

#define DORVAK_BUTTON_SETTER(Name, Type, Default, AlsoLoads)                                       \
    void Button::set##Name(PublicValue<Type> value) {                                              \
        setField(&ButtonState::Name, Type(value), #Name, AlsoLoads);                               \
    }
DORVAK_BUTTON_PROPERTIES(DORVAK_BUTTON_SETTER, DORVAK_BUTTON_NONE)
#undef DORVAK_BUTTON_SETTER

// What a paint changes on the control happens here, around the painter, which only reads:
// the size, the cursor, the toggle's pressed face, the border colours of the style, the
// boxes the painter placed and the window region.
void Button::redraw() {
    applyMinimumSize();
    if (showsHandPointer(state_))
        SetCursor(LoadCursorA(nullptr, IDC_HAND));
    // A toggle that is on shows pressed until input clears it.
    if (state_.ButtonType == 1 && state_.Value)
        state_.IsPressed = true;
    applyStyleBorders(state_, isEnabled());

    Surface& face = surface();
    PaintedFace painted = ButtonPainter(state_, face, isEnabled()).paint();
    state_.PictureRect = painted.pictureRect;
    state_.CaptionRect = painted.captionRect;
    state_.ShapeRegion = painted.windowRegion.get();
    if (painted.windowRegion)
        SetWindowRgn(hWnd(), std::move(painted.windowRegion), true);
    else
        SetWindowRgn(hWnd(), 0, false);
    // Pixels left in the back colour are see-through when the back style is transparent.
    face.setMaskPicture(face.image());
    face.refresh();
}

// Resizing repaints at the new size before this returns; sizing again then changes nothing.
void Button::applyMinimumSize() {
    if (Width() < minimumTwips)
        setWidth(minimumTwips);
    if (Height() < minimumTwips)
        setHeight(minimumTwips);
    // Only the rectangles keep any proportions; the other shapes are drawn in a square.
    if (!keepsProportions(state_.ButtonShape))
        setHeight(Width());
}

// A press from a screen reader is the release and click of a mouse click, without the pointer:
// the face springs back first, so a toggle flips from the value it shows, as under the mouse.
void Button::UserControl_Press() {
    state_.IsPressed = false;
    redraw();
    UserControl_Click();
}

void Button::setCaption(const QString& value) {
    setAccessibleCaption(value);
    setField(&ButtonState::Caption, value, "Caption");
}

void Button::setPicture(PicturePtr value) {
    setField(&ButtonState::Picture, std::move(value), "Picture");
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
