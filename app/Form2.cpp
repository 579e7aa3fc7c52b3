#include "app/Form2.h"

#include "controls/button/Button.h"

namespace dorvak {

Form2::Form2()
    : Form(QStringLiteral("Form2")) {
    Button& close = named<Button>("Button1");
    close.Click.connect([this] { Unload(); });
    // Its caption is a bare "X"; a screen reader says what it does.
    close.setAccessibleDescription(QStringLiteral("Hakkında penceresini kapatır"));
}

} // namespace dorvak
