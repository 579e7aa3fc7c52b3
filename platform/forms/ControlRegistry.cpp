#include "platform/forms/ControlRegistry.h"

#include "platform/runtime/RuntimeError.h"

namespace dorvak {

void ControlRegistry::add(const QString& kind, ControlFactory factory) {
    kinds_[kind] = std::move(factory);
}

QObject* ControlRegistry::create(const QString& kind, const ControlSite& site) const {
    const auto it = kinds_.find(kind);
    if (it == kinds_.end())
        throw RuntimeError(ErrorCode::InvalidCall, "unknown control kind " + kind.toStdString());
    return it->second(site);
}

} // namespace dorvak
