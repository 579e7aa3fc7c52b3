#include "platform/forms/UserControl.h"

#include "platform/forms/ApplicationServices.h"
#include "platform/forms/HandlerErrors.h"
#include "platform/forms/InputCodes.h"
#include "platform/forms/MousePointer.h"
#include "platform/forms/Twips.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <cmath>

namespace dorvak {
namespace {

// Saved sizes are in hundredths of a millimetre.
double himetricFromTwips(double twips) {
    return std::nearbyint(twips * 2540.0 / 1440.0);
}

} // namespace

UserControl::UserControl(const ControlSite& site)
    : SurfaceWidget(site.container)
    , Placement(static_cast<QWidget&>(*this))
    , site_(site) {
    setMouseTracking(true);
    surface().setFont(ambientFont());
}

void UserControl::start(const PropertyBag& saved) {
    runHandler([this] { UserControl_Initialize(); });
    PropertyBag bag = saved;
    if (bag.contents().isEmpty())
        runHandler([this] { UserControl_InitProperties(); });
    else
        runHandler([this, &bag] { UserControl_ReadProperties(bag); });
}

PropertyBag UserControl::saveProperties() {
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("_extentx"), himetricFromTwips(Width()));
    bag.WriteProperty(QStringLiteral("_extenty"), himetricFromTwips(Height()));
    runHandler([this, &bag] { UserControl_WriteProperties(bag); });
    return bag;
}

void UserControl::end() {
    runHandler([this] { UserControl_Terminate(); });
}

QFont UserControl::ambientFont() const {
    // The host window is the top of the chain of containers the control sits in.
    return site_.form ? window()->font() : QFont();
}

QString UserControl::ambientDisplayName() const {
    return site_.displayName();
}

void UserControl::setExtenderAlign(int align) {
    align_ = align;
    if (QWidget* container = parentWidget()) {
        container->removeEventFilter(this);
        if (align_ == 1)
            container->installEventFilter(this);
    }
    followContainer();
}

void UserControl::followContainer() {
    if (align_ == 1 && parentWidget())
        setGeometry(0, 0, parentWidget()->width(), height());
}

bool UserControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        followContainer();
    return SurfaceWidget::eventFilter(watched, event);
}

void UserControl::PropertyChanged(const QString& name) {
    emit propertyChanged(name);
}

QObject* UserControl::addControl(const QString& kind, const QString& name, QWidget* container) {
    const ControlSite site{site_.form, container ? container : this, name, -1};
    QObject* control = ApplicationServices::instance()->createControl(kind, site);
    control->setObjectName(name);
    children_.push_back({name, control});
    // As in the classic runtime, a control added at run time starts hidden.
    if (auto* widget = qobject_cast<QWidget*>(control))
        widget->hide();
    if (auto* userControl = qobject_cast<UserControl*>(control))
        userControl->start(PropertyBag());
    return control;
}

QObject* UserControl::childControl(const QString& name) const {
    for (const Child& child : children_)
        if (child.name.compare(name, Qt::CaseInsensitive) == 0)
            return child.object;
    return nullptr;
}

void UserControl::setMousePointer(std::int16_t pointer) {
    mousePointer_ = pointer;
    applyMousePointer(*this, pointer, mouseIcon_);
}

void UserControl::setMouseIcon(const QImage& icon) {
    mouseIcon_ = icon;
    applyMousePointer(*this, mousePointer_, mouseIcon_);
}

void UserControl::setAccessibleCaption(const QString& caption) {
    accessibleButton_ = true;
    setAccessibleName(caption);
    setFocusPolicy(Qt::StrongFocus);
}

void UserControl::Press() {
    if (isEnabled())
        runHandler([this] { UserControl_Press(); });
}

void UserControl::deviceScaleChanged() {
    runHandler([this] { UserControl_Paint(); });
}

void UserControl::resizeEvent(QResizeEvent* event) {
    SurfaceWidget::resizeEvent(event);
    runHandler([this] { UserControl_Resize(); });
}

void UserControl::showEvent(QShowEvent* event) {
    SurfaceWidget::showEvent(event);
    runHandler([this] { UserControl_Show(); });
    runHandler([this] { UserControl_Paint(); });
}

void UserControl::deliverMouse(QMouseEvent* event, MouseHandler handler, Qt::MouseButtons buttons) {
    std::int16_t button = mouseButtonCode(buttons);
    std::int16_t shift = shiftCode(event->modifiers());
    float x = toScaleUnits(event->position().x());
    float y = toScaleUnits(event->position().y());
    runHandler([&] { (this->*handler)(button, shift, x, y); });
}

namespace {

// Where the pointer is, as precisely as the window system told: Qt hands a widget its
// position rounded to whole logical pixels, which above 1× moves a device pixel beside a
// shape into it. The window's own position keeps the fraction; the widget lies a whole number
// of pixels from the window.
QPointF pointerPosition(const QMouseEvent& event) {
    const QPointF scene = event.scenePosition();
    return event.position() + (scene - QPointF(scene.toPoint()));
}

} // namespace

void UserControl::mousePressEvent(QMouseEvent* event) {
    // See-through pixels are not part of the control.
    if (!showsAt(pointerPosition(*event))) {
        event->ignore();
        return;
    }
    afterDoubleClick_ = false;
    pressed_ = true;
    deliverMouse(event, &UserControl::UserControl_MouseDown, event->button());
}

void UserControl::mouseMoveEvent(QMouseEvent* event) {
    deliverMouse(event, &UserControl::UserControl_MouseMove, event->buttons());
}

void UserControl::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF position = pointerPosition(*event);
    // The release of a press that went through a see-through pixel is not ours either.
    if (!pressed_ && !showsAt(position)) {
        event->ignore();
        return;
    }
    pressed_ = false;
    deliverMouse(event, &UserControl::UserControl_MouseUp, event->button());
    const bool inside = showsAt(position);
    if (inside && !afterDoubleClick_ && event->button() == Qt::LeftButton)
        runHandler([this] { UserControl_Click(); });
    afterDoubleClick_ = false;
}

void UserControl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!showsAt(pointerPosition(*event))) {
        event->ignore();
        return;
    }
    afterDoubleClick_ = true;
    runHandler([this] { UserControl_DblClick(); });
}

void UserControl::keyPressEvent(QKeyEvent* event) {
    std::int16_t code = keyCode(*event);
    std::int16_t shift = shiftCode(event->modifiers());
    runHandler([&] { UserControl_KeyDown(code, shift); });
    if (std::int16_t ascii = keyAscii(*event))
        runHandler([&] { UserControl_KeyPress(ascii); });
}

void UserControl::keyReleaseEvent(QKeyEvent* event) {
    // A held key repeats its key down, but is released once.
    if (event->isAutoRepeat())
        return;
    std::int16_t code = keyCode(*event);
    std::int16_t shift = shiftCode(event->modifiers());
    runHandler([&] { UserControl_KeyUp(code, shift); });
}

void UserControl::focusInEvent(QFocusEvent* event) {
    SurfaceWidget::focusInEvent(event);
    runHandler([this] { UserControl_EnterFocus(); });
    runHandler([this] { UserControl_GotFocus(); });
}

void UserControl::focusOutEvent(QFocusEvent* event) {
    SurfaceWidget::focusOutEvent(event);
    runHandler([this] { UserControl_LostFocus(); });
    runHandler([this] { UserControl_ExitFocus(); });
}

} // namespace dorvak
