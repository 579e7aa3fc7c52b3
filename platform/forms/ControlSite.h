#pragma once

#include <QString>

class QWidget;

namespace dorvak {

class Form;

// Where a new control is placed: its host window, the widget that contains it (the window
// or a containing control) and its name, with the index of a control-array element (-1
// when not part of an array).
struct ControlSite {
    Form* form = nullptr;
    QWidget* container = nullptr;
    QString name;
    int index = -1;
};

} // namespace dorvak
