#pragma once

namespace dorvak {

class Application;

// Makes the runtime's application object this program: its title, "Velto Dorvak Programı",
// which its message boxes carry, and its own kinds of control.
void setUpProgram(Application& application);

} // namespace dorvak
