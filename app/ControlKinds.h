#pragma once

namespace dorvak {

class Application;

// Registers the program's own user controls: "Button" and the window skin "xVistaForm".
void registerControlKinds(Application& application);

} // namespace dorvak
