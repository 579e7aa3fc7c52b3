#pragma once

namespace dorvak {

// Under sway, which tiles windows, the program's windows float at their own size, as on the
// other desktops; elsewhere nothing changes. Call before the application object is made.
void floatWindowsUnderSway();

} // namespace dorvak
