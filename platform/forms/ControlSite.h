#pragma once

#include <QString>

class QWidget;

namespace dorvak {

class Form;

// The name a window knows a control by: "Shape3(0)" for element 0 of the array Shape3.
inline QString controlDisplayName(const QString& name, int index) {
    return index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
}

// Where a new control is placed: its host window, the widget that contains it (the window
// or a containing control) and its name, with the index of a control-array element (-1
// when not part of an array).
struct ControlSite {
    Form* form = nullptr;
    QWidget* container = nullptr;
    QString name;
    int index = -1;

    QString displayName() const { return controlDisplayName(name, index); }
};

} // namespace dorvak
