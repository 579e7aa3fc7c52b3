#include "platform/forms/Accessibility.h"

#include "platform/forms/Announcement.h"
#include "platform/forms/DrawingWidget.h"
#include "platform/forms/ReadingOrder.h"
#include "platform/forms/Shape.h"
#include "platform/forms/UserControl.h"
#include "platform/windowing/ToolWindowFrame.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <algorithm>

namespace dorvak {
namespace {

// The role follows the control: a caption given at any time makes it a button, which a
// screen reader can press.
class AccessibleUserControl : public QAccessibleWidget {
public:
    explicit AccessibleUserControl(UserControl* control)
        : QAccessibleWidget(control) {}

    QAccessible::Role role() const override {
        return control()->isAccessibleButton() ? QAccessible::Button : QAccessibleWidget::role();
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (isPressable())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override {
        if (action != pressAction() || !isPressable())
            return QAccessibleWidget::doAction(action);
        // Later, from the event loop: the click may open a modal box, and the screen reader
        // that asked must not wait for it to close.
        QMetaObject::invokeMethod(control(), &UserControl::Press, Qt::QueuedConnection);
    }

private:
    UserControl* control() const { return static_cast<UserControl*>(object()); }
    bool isPressable() const { return control()->isAccessibleButton() && control()->isEnabled(); }
};

// A window is a frame named by its caption, its controls read line by line from the top.
class AccessibleForm : public QAccessibleWidget {
public:
    // A form is a window, or the client area of the frame the program draws around it.
    explicit AccessibleForm(DrawingWidget* form)
        : QAccessibleWidget(form, form->isWindow() ? QAccessible::Window : QAccessible::Client) {}

    QAccessibleInterface* child(int index) const override {
        const std::vector<QAccessibleInterface*> children = inReadingOrder();
        return index >= 0 && index < int(children.size()) ? children[index] : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<QAccessibleInterface*> children = inReadingOrder();
        const auto found = std::find(children.begin(), children.end(), child);
        return found == children.end() ? -1 : int(found - children.begin());
    }

private:
    std::vector<QAccessibleInterface*> inReadingOrder() const {
        std::vector<QAccessibleInterface*> stacked;
        std::vector<QRect> places;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface* child = QAccessibleWidget::child(i);
            const auto* widget = child ? qobject_cast<const QWidget*>(child->object()) : nullptr;
            stacked.push_back(child);
            places.push_back(widget ? widget->geometry() : QRect());
        }
        std::vector<QAccessibleInterface*> read;
        for (int index : readingOrder(places))
            read.push_back(stacked[index]);
        return read;
    }
};

// Whether a solid rectangle shown in front of the shape, in the same container, hides all
// of it.
bool isHiddenByShapeInFront(const Shape& shape) {
    const QWidget* container = shape.parentWidget();
    if (!container)
        return false;
    const QObjectList& stacked = container->children(); // back to front
    for (auto it = stacked.rbegin(); it != stacked.rend() && *it != &shape; ++it) {
        const auto* front = qobject_cast<const Shape*>(*it);
        if (front && front->isVisibleTo(container) && front->ShapeKind() == Shape::Rectangle &&
            front->FillStyle() == 0 && front->geometry().contains(shape.geometry()))
            return true;
    }
    return false;
}

// A shape its window names is a picture (the status chart's colours); an unnamed one is
// decoration. A shape hidden behind another is not showing, as a sighted user does not see it.
class AccessibleShape : public QAccessibleWidget {
public:
    explicit AccessibleShape(Shape* shape)
        : QAccessibleWidget(shape) {}

    QAccessible::Role role() const override {
        return widget()->accessibleName().isEmpty() ? QAccessibleWidget::role()
                                                    : QAccessible::Graphic;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (isHiddenByShapeInFront(*static_cast<const Shape*>(object())))
            state.offscreen = true;
        return state;
    }
};

// Showing or hiding a shape uncovers or covers the shapes behind it; screen readers keep what
// they were told, so they are told again.
class CoverageWatcher : public QObject {
public:
    explicit CoverageWatcher(Shape& shape)
        : QObject(&shape) {
        shape.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
            QMetaObject::invokeMethod(
                this, [this] { announceShapesBehind(); }, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }

private:
    void announceShapesBehind() {
        auto* shape = static_cast<Shape*>(parent());
        const QWidget* container = shape->parentWidget();
        if (!container)
            return;
        for (QObject* behind : container->children()) {
            if (behind == shape)
                return;
            auto* covered = qobject_cast<Shape*>(behind);
            if (!covered || !covered->isVisibleTo(container) ||
                !covered->geometry().intersects(shape->geometry()))
                continue;
            QAccessibleEvent change(covered, isHiddenByShapeInFront(*covered)
                                                 ? QAccessible::ObjectHide
                                                 : QAccessible::ObjectShow);
            QAccessible::updateAccessibility(&change);
        }
    }
};

QAccessibleInterface* accessibleControl(const QString&, QObject* object) {
    if (auto* control = qobject_cast<UserControl*>(object))
        return new AccessibleUserControl(control);
    // A window that draws is a form, as is one in a frame of the program's; a picture box
    // draws too, inside one.
    if (auto* form = qobject_cast<DrawingWidget*>(object);
        form && (form->isWindow() || ToolWindowFrame::windowOf(form) != form))
        return new AccessibleForm(form);
    if (auto* frame = qobject_cast<ToolWindowFrame*>(object))
        return new QAccessibleWidget(frame, QAccessible::Window);
    if (auto* shape = qobject_cast<Shape*>(object))
        return new AccessibleShape(shape);
    if (auto* announcement = qobject_cast<Announcement*>(object))
        return new QAccessibleWidget(announcement, QAccessible::Notification);
    return nullptr;
}

} // namespace

void installAccessibility() {
    QAccessible::installFactory(accessibleControl);
}

void removeAccessibility() {
    QAccessible::removeFactory(accessibleControl);
}

void followCoverage(Shape& shape) {
    new CoverageWatcher(shape);
}

} // namespace dorvak
