#pragma once

#include <functional>

namespace dorvak {

// Runs one event handler. An error escaping it is shown to the user in a message box and the
// program goes on, so a failing handler never takes the whole program down.
void runHandler(const std::function<void()>& handler);

} // namespace dorvak
