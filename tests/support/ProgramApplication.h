#pragma once

#include "app/Program.h"
#include "platform/forms/Application.h"

namespace dorvak {

// One application for a whole test program that opens the program's windows: it knows the
// program's control kinds and does not quit when a window unloads.
inline Application& programApplication() {
    static Application* const instance = [] {
        auto* created = new Application;
        setUpProgram(*created);
        created->setQuitOnLastFormUnloaded(false);
        return created;
    }();
    return *instance;
}

} // namespace dorvak
