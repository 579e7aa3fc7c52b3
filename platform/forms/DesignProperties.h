#pragma once

#include <QJsonObject>

class QObject;

namespace dorvak {

// Applies design-time values to a control (or window) through its Qt properties, which carry
// the runtime's property names. Colours (uint properties) accept "0x..." strings, fonts and
// pictures their JSON forms. "TabIndex" belongs to the window's tab order and is skipped.
// Raises RuntimeError (invalid call) for a property the control does not have, so a typo in
// a design description does not go unnoticed.
void applyDesignProperties(QObject& control, const QJsonObject& properties);

} // namespace dorvak
