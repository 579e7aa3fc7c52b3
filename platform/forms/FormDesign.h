#pragma once

#include <QJsonObject>
#include <QString>
#include <vector>

namespace dorvak {

// One control of a window's design description.
struct ControlDesign {
    QString kind;
    QString name;
    int index = -1;    // element of a control array, -1 when not part of one
    QString container; // the containing control's name; empty for the window itself
    // Position and size in twips, relative to the container.
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    QJsonObject properties; // design-time values by property name
    QJsonObject bag;        // a user control's saved property bag
};

// A window's design description: its own properties and its controls front-to-back.
struct FormDesign {
    QString name;
    QJsonObject properties;
    std::vector<ControlDesign> controls;
};

// Parses a design description. Raises RuntimeError (invalid call) for a document that is not
// one, naming what is wrong.
FormDesign parseFormDesign(const QByteArray& json);

// The design description built into the program as ":/forms/<name>.json".
FormDesign loadFormDesign(const QString& name);

} // namespace dorvak
