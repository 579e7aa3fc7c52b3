#pragma once

class QJsonObject;
class QObject;

namespace dorvak {

class ControlRegistry;

// Registers the standard controls of the forms runtime under the kinds their designs name:
// TextBox, Label, Shape, Line, Image, PictureBox, Timer and WebBrowser.
void registerBuiltInControls(ControlRegistry& registry);

// Applies a design description's values to a built-in control through its table (see
// applyDesignProperties); to a control of any other kind every key is unknown.
void applyBuiltInDesignProperties(QObject& control, const QJsonObject& properties);

} // namespace dorvak
