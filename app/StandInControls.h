#pragma once

#include "platform/forms/Event.h"
#include "platform/forms/UserControl.h"

class QPushButton;

namespace dorvak {

class Application;

// A temporary control for the kind "Button" until the owner-drawn one exists: a plain push
// button with the caption from its saved bag, raising Click. Registered with the real window
// skin, "xVistaForm". Only the windows of this directory use them.
class StandInButton : public UserControl {
    Q_OBJECT

public:
    explicit StandInButton(const ControlSite& site);

    Event<> Click;

protected:
    void UserControl_ReadProperties(PropertyBag& bag) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPushButton* button_;
};

void registerStandInControls(Application& application);

} // namespace dorvak
