#include "platform/forms/Accessibility.h"

#include "platform/forms/UserControl.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace dorvak {
namespace {

// The role follows the control: a caption given at any time makes it a button.
class AccessibleUserControl : public QAccessibleWidget {
public:
    explicit AccessibleUserControl(UserControl* control)
        : QAccessibleWidget(control) {}

    QAccessible::Role role() const override {
        return static_cast<const UserControl*>(object())->isAccessibleButton()
                   ? QAccessible::Button
                   : QAccessibleWidget::role();
    }
};

QAccessibleInterface* accessibleUserControl(const QString&, QObject* object) {
    auto* control = qobject_cast<UserControl*>(object);
    return control ? new AccessibleUserControl(control) : nullptr;
}

} // namespace

void installAccessibility() {
    QAccessible::installFactory(accessibleUserControl);
}

void removeAccessibility() {
    QAccessible::removeFactory(accessibleUserControl);
}

} // namespace dorvak
