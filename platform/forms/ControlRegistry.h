#pragma once

#include "platform/forms/ControlSite.h"

#include <QString>
#include <functional>
#include <map>

class QObject;

namespace dorvak {

// Creates a control of one kind at its site; the control's parent is the site's container.
using ControlFactory = std::function<QObject*(const ControlSite& site)>;

// The kinds of control that windows can be built from, by the name their designs give them.
class ControlRegistry {
public:
    // A kind registered again replaces the earlier factory.
    void add(const QString& kind, ControlFactory factory);
    // Raises RuntimeError (invalid call) for a kind nobody registered.
    QObject* create(const QString& kind, const ControlSite& site) const;

private:
    std::map<QString, ControlFactory> kinds_;
};

} // namespace dorvak
