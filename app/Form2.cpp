#include "app/Form2.h"

#include "controls/button/Button.h"

namespace dorvak {

Form2::Form2()
    : Form(QStringLiteral("Form2")) {
    control<Button>("Button1")->Click.connect([this] { Unload(); });
}

} // namespace dorvak
