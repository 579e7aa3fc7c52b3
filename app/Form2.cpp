#include "app/Form2.h"

#include "app/StandInControls.h"

namespace dorvak {

Form2::Form2()
    : Form(QStringLiteral("Form2")) {
    control<StandInButton>("Button1")->Click.connect([this] { Unload(); });
}

} // namespace dorvak
