#include "app/ControlKinds.h"

#include "controls/button/Button.h"
#include "controls/skin/xVistaForm.h"
#include "platform/forms/Application.h"

namespace dorvak {

void registerControlKinds(Application& application) {
    application.registerControlKind(QString::fromLatin1(Button::kind),
                                    [](const ControlSite& site) { return new Button(site); });
    application.registerControlKind("xVistaForm",
                                    [](const ControlSite& site) { return new xVistaForm(site); });
}

} // namespace dorvak
