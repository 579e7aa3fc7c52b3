#include "app/Program.h"

#include "app/ControlKinds.h"
#include "platform/forms/Application.h"

namespace dorvak {

void setUpProgram(Application& application) {
    application.setTitle(QStringLiteral("Velto Dorvak Programı"));
    registerControlKinds(application);
}

} // namespace dorvak
