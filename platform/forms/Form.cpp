#include "platform/forms/Form.h"

#include "platform/forms/Accessibility.h"
#include "platform/forms/ApplicationServices.h"
#include "platform/forms/BuiltInControls.h"
#include "platform/forms/ControlSite.h"
#include "platform/forms/DesignProperties.h"
#include "platform/forms/Shape.h"
#include "platform/forms/Timer.h"
#include "platform/forms/Twips.h"
#include "platform/forms/UserControl.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/windowing/ToolWindowFrame.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <map>

namespace dorvak {

const PropertyTable<Form>& Form::designProperties() {
    static const PropertyTable<Form> properties{
        designed<Form>("Caption", &Form::setCaption),
        designed<Form>("BorderStyle", &Form::setBorderStyle),
        designed<Form>("ClientWidth", &Form::setClientWidth),
        designed<Form>("ClientHeight", &Form::setClientHeight),
        designed<Form>("StartUpPosition", &Form::setStartUpPosition),
        designed<Form>("Picture", &Form::setPicture),
        designed<Form>("Icon", &Form::setIcon),
        designed<Form>("BackColor", &Form::setBackColor),
        designed<Form>("ForeColor", &Form::setForeColor),
        designedFont<Form>("Font", &Form::Font, &Form::setFont),
        designed<Form>("AutoRedraw", &Form::setAutoRedraw),
        designed<Form>("WindowState", &Form::setWindowState),
    };
    return properties;
}
namespace {

Qt::WindowFlags flagsFor(int borderStyle) {
    switch (borderStyle) {
    case Form::BorderNone:
        return Qt::Window | Qt::FramelessWindowHint;
    case Form::BorderFixedSingle:
        return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
               Qt::MSWindowsFixedSizeDialogHint;
    case Form::BorderFixedToolWindow:
        return Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
               Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    default:
        return Qt::Window;
    }
}

bool isFixedSize(int borderStyle) {
    return borderStyle == Form::BorderFixedSingle || borderStyle == Form::BorderFixedToolWindow;
}

} // namespace

Form::Form(const QString& designName)
    : Form(loadFormDesign(designName)) {}

Form::Form(const FormDesign& design)
    : DrawingWidget(nullptr, flagsFor(BorderSizable), true) {
    ApplicationServices* application = ApplicationServices::instance();
    if (!application)
        throw RuntimeError(ErrorCode::InvalidCall, "a window needs the application object");
    setObjectName(design.name);
    build(design);
    application->formLoaded(this);
}

Form::~Form() {
    if (ApplicationServices* application = ApplicationServices::instance();
        application && !unloading_)
        application->formUnloaded(this);
}

void Form::build(const FormDesign& design) {
    applyDesignProperties(*this, designProperties(), design.properties);
    // Containers may be listed after the controls they contain: create a control once its
    // container exists.
    std::vector<const ControlDesign*> pending;
    for (const ControlDesign& control : design.controls)
        pending.push_back(&control);
    while (!pending.empty()) {
        const auto before = pending.size();
        std::erase_if(pending, [this](const ControlDesign* control) {
            QWidget* container = this;
            if (!control->container.isEmpty()) {
                container = qobject_cast<QWidget*>(findControl(control->container));
                if (!container)
                    return false;
            }
            createControl(*control, container);
            return true;
        });
        if (pending.size() == before)
            throw RuntimeError(ErrorCode::InvalidCall,
                               "design description: no container " +
                                   pending.front()->container.toStdString());
    }
    stackAndOrder(design);
}

QObject* Form::createControl(const ControlDesign& design, QWidget* container) {
    const ControlSite site{this, container, design.name, design.index};
    QObject* control = ApplicationServices::instance()->createControl(design.kind, site);
    control->setObjectName(site.displayName());
    controls_.push_back({design.name, design.index, control});
    if (auto* widget = qobject_cast<QWidget*>(control))
        widget->setGeometry(pixelsFromTwips(design.left), pixelsFromTwips(design.top),
                            pixelsFromTwips(design.width), pixelsFromTwips(design.height));
    if (auto* userControl = qobject_cast<UserControl*>(control))
        userControl->start(PropertyBag(design.bag));
    else
        applyBuiltInDesignProperties(*control, design.properties);
    if (auto* shape = qobject_cast<Shape*>(control))
        followCoverage(*shape);
    return control;
}

void Form::stackAndOrder(const FormDesign& design) {
    // Raising from the back to the front leaves the first listed control on top.
    std::multimap<int, QWidget*> tabOrder;
    for (auto it = design.controls.rbegin(); it != design.controls.rend(); ++it) {
        auto* widget = qobject_cast<QWidget*>(findControl(it->name, it->index));
        if (!widget)
            continue;
        widget->raise();
        const QJsonValue tabIndex = it->properties.value(QLatin1String("TabIndex"));
        if (!tabIndex.isUndefined() && widget->focusPolicy() & Qt::TabFocus)
            tabOrder.emplace(tabIndex.toInt(), widget);
    }
    QWidget* previous = nullptr;
    for (const auto& [index, widget] : tabOrder) {
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
        tabOrder_.emplace_back(widget);
    }
}

// A window opens with the focus on the first control of its tab order that can take it, not
// on whichever control happened to be created first.
void Form::focusFirstInTabOrder() {
    for (const QPointer<QWidget>& widget : tabOrder_) {
        if (widget && widget->isEnabled() && widget->isVisibleTo(this)) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

QObject* Form::findControl(const QString& name, int index) const {
    for (const ControlEntry& entry : controls_)
        if (entry.index == index && entry.name.compare(name, Qt::CaseInsensitive) == 0)
            return entry.object;
    return nullptr;
}

void Form::noSuchControl(const QString& name, int index) const {
    throw RuntimeError(ErrorCode::InvalidCall, objectName().toStdString() + " has no " +
                                                   controlDisplayName(name, index).toStdString());
}

QString Form::displayNameOf(const QObject* control) const {
    for (const ControlEntry& entry : controls_)
        if (entry.object == control)
            return controlDisplayName(entry.name, entry.index);
    return {};
}

std::vector<UserControl*> Form::userControls() const {
    std::vector<UserControl*> found;
    for (const ControlEntry& entry : controls_)
        if (auto* userControl = qobject_cast<UserControl*>(entry.object.data()))
            found.push_back(userControl);
    return found;
}

void Form::Load() {
    if (loaded_)
        return;
    loaded_ = true;
    runHandler([this] { Form_Load(); });
}

void Form::Show() {
    Load();
    if (unloading_)
        return; // Form_Load unloaded the window again
    const bool firstShow = !placed_;
    if (firstShow && startUpPosition_ == StartUpCenterScreen)
        centreOnScreen();
    placed_ = true;
    show();
    raise();
    activateWindow();
    if (firstShow)
        focusFirstInTabOrder();
}

void Form::Unload() {
    if (unloading_)
        return;
    unloading_ = true;
    runHandler([this] { Form_Unload(); });
    // The window lives on until control returns to the event loop; it disappears and its
    // timers end now, and its user controls end last.
    hide();
    for (Timer* timer : findChildren<Timer*>())
        timer->setEnabled(false);
    for (UserControl* userControl : userControls())
        userControl->end();
    ApplicationServices::instance()->formUnloaded(this);
    deleteLater();
}

void Form::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The window manager's frame is unknown before the window is shown, so the client area is
    // what is centred, or the program's own frame with it; the borderless windows have no other.
    QWidget* shown = window();
    QRect placed = shown->geometry();
    placed.moveCenter(screen->availableGeometry().center());
    shown->setGeometry(placed);
}

void Form::setBorderStyle(int style) {
    borderStyle_ = style;
    if (style == BorderFixedToolWindow && ToolWindowFrame::drawsToolFrames()) {
        if (isWindow())
            new ToolWindowFrame(this);
        setFixedSize(size());
        return;
    }
    const bool wasVisible = isVisible();
    setWindowFlags(flagsFor(style));
    if (isFixedSize(style)) {
        setFixedSize(size());
    } else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    // Changing the flags hides a shown window; the border changes, the window stays.
    if (wasVisible)
        show();
}

double Form::ClientWidth() const {
    return twipsFromPixels(width());
}
double Form::ClientHeight() const {
    return twipsFromPixels(height());
}

void Form::setClientWidth(double twips) {
    const int pixels = pixelsFromTwips(twips);
    if (isFixedSize(borderStyle_))
        setFixedWidth(pixels);
    resize(pixels, height());
}

void Form::setClientHeight(double twips) {
    const int pixels = pixelsFromTwips(twips);
    if (isFixedSize(borderStyle_))
        setFixedHeight(pixels);
    resize(width(), pixels);
}

void Form::setIcon(const QImage& icon) {
    icon_ = icon;
    QIcon shown;
    if (!icon.isNull()) {
        shown.addPixmap(QPixmap::fromImage(icon));
        // Task bars and title bars above 1× take the drawing at twice the size, where there is one.
        if (const QImage sharper = sharperPicture(icon, 2); sharper.devicePixelRatio() > 1)
            shown.addPixmap(QPixmap::fromImage(sharper));
    }
    setWindowIcon(shown);
}

void Form::setFont(const QFont& font) {
    QWidget::setFont(font);
    surface().setFont(font);
}

int Form::WindowState() const {
    const QWidget& shown = *window();
    const Qt::WindowStates state = shown.windowState();
    // A window manager can restore a minimised window without the toolkit noticing: a window
    // on the screen is not minimised.
    if (state & Qt::WindowMinimized && !(shown.windowHandle() && shown.windowHandle()->isExposed()))
        return 1;
    return state & Qt::WindowMaximized ? 2 : 0;
}

void Form::setWindowState(int state) {
    QWidget& shown = *window();
    switch (state) {
    case 1:
        // Minimising a window the toolkit still counts as minimised would do nothing.
        if (shown.windowState() & Qt::WindowMinimized)
            shown.setWindowState(shown.windowState() & ~Qt::WindowMinimized);
        shown.showMinimized();
        break;
    case 2:
        shown.showMaximized();
        break;
    default:
        shown.showNormal();
        break;
    }
}

double Form::Left() const {
    return twipsFromPixels(window()->frameGeometry().x());
}
double Form::Top() const {
    return twipsFromPixels(window()->frameGeometry().y());
}
double Form::Width() const {
    return twipsFromPixels(window()->frameGeometry().width());
}
double Form::Height() const {
    return twipsFromPixels(window()->frameGeometry().height());
}

void Form::Move(double left, double top) {
    window()->move(pixelsFromTwips(left), pixelsFromTwips(top));
}

void Form::Move(double left, double top, double width, double height) {
    const QSize frame = window()->frameGeometry().size() - size();
    window()->move(pixelsFromTwips(left), pixelsFromTwips(top));
    resize(pixelsFromTwips(width) - frame.width(), pixelsFromTwips(height) - frame.height());
}

void Form::setWidth(double twips) {
    Move(Left(), Top(), twips, Height());
}
void Form::setHeight(double twips) {
    Move(Left(), Top(), Width(), twips);
}

bool Form::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        runHandler([this] { Form_Activate(); });
    return DrawingWidget::event(event);
}

void Form::closeEvent(QCloseEvent* event) {
    // Closing from the window frame unloads the window like Unload().
    event->ignore();
    Unload();
}

} // namespace dorvak
