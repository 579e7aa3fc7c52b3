#pragma once

namespace dorvak {

class ControlRegistry;

// Registers the standard controls of the forms runtime under the kinds their designs name:
// TextBox, Label, Shape, Line, Image, PictureBox, Timer and WebBrowser.
void registerBuiltInControls(ControlRegistry& registry);

} // namespace dorvak
