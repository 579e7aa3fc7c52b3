#include "app/StandInControls.h"

#include "controls/skin/xVistaForm.h"
#include "platform/forms/DesignValues.h"

#include <QPushButton>

namespace dorvak {

StandInButton::StandInButton(const ControlSite& site)
    : UserControl(site)
    , button_(new QPushButton(this)) {
    connect(button_, &QPushButton::clicked, this, [this] { Click.raise(); });
}

void StandInButton::UserControl_ReadProperties(PropertyBag& bag) {
    const QString caption = bag.ReadProperty("Caption", extenderName()).toString();
    button_->setText(caption);
    button_->setFont(fontFromJson(bag.ReadProperty("Font"), ambientFont()));
    setAccessibleCaption(caption);
}

void StandInButton::resizeEvent(QResizeEvent* event) {
    UserControl::resizeEvent(event);
    button_->setGeometry(rect());
}

void registerStandInControls(Application& application) {
    application.registerControlKind(
        "Button", [](const ControlSite& site) { return new StandInButton(site); });
    application.registerControlKind("xVistaForm",
                                    [](const ControlSite& site) { return new xVistaForm(site); });
}

} // namespace dorvak
