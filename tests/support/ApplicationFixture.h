#pragma once

#include "platform/forms/Application.h"

namespace dorvak {

// Each test gets its own application object; the program would end when its last window
// unloads, which a test only observes.
class ApplicationFixture {
public:
    ApplicationFixture() { application.setQuitOnLastFormUnloaded(false); }
    Application application;
};

} // namespace dorvak
