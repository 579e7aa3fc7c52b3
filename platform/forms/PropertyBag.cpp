#include "platform/forms/PropertyBag.h"

namespace dorvak {

PropertyBag::PropertyBag(const QJsonObject& saved) {
    for (auto it = saved.begin(); it != saved.end(); ++it)
        values_.insert(it.key().toLower(), it.value());
}

QJsonValue PropertyBag::ReadProperty(const QString& key, const QJsonValue& defaultValue) const {
    const auto it = values_.find(key.toLower());
    return it == values_.end() ? defaultValue : it.value();
}

void PropertyBag::WriteProperty(const QString& key, const QJsonValue& value,
                                const QJsonValue& defaultValue) {
    if (value == defaultValue)
        values_.remove(key.toLower());
    else
        values_.insert(key.toLower(), value);
}

bool PropertyBag::contains(const QString& key) const {
    return values_.contains(key.toLower());
}

} // namespace dorvak
