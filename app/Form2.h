#pragma once

#include "platform/forms/Form.h"

namespace dorvak {

// The About window: the program's name and version, credits and the distribution notice, and
// an "X" button that closes it.
class Form2 : public Form {
    Q_OBJECT

public:
    Form2();
};

} // namespace dorvak
