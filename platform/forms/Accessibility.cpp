#include "platform/forms/Accessibility.h"

#include "platform/forms/UserControl.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace dorvak {
namespace {

QAccessibleInterface* accessibleUserControl(const QString&, QObject* object) {
    auto* control = qobject_cast<UserControl*>(object);
    if (!control || !control->isAccessibleButton())
        return nullptr;
    return new QAccessibleWidget(control, QAccessible::Button);
}

} // namespace

void installAccessibility() {
    QAccessible::installFactory(accessibleUserControl);
}

void removeAccessibility() {
    QAccessible::removeFactory(accessibleUserControl);
}

} // namespace dorvak
