#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

namespace dorvak {

// The store in which a host window keeps a user control's properties. Keys are matched
// without regard to case and kept in lower case, as saved designs hold them; a value equal to
// its default is not stored, so a saved design lists only what differs from the defaults.
class PropertyBag {
public:
    PropertyBag() = default;
    explicit PropertyBag(const QJsonObject& saved);

    // The stored value, or the default when the key is missing.
    QJsonValue ReadProperty(const QString& key, const QJsonValue& defaultValue = {}) const;

    // Stores the value; a value equal to the default removes the key instead.
    void WriteProperty(const QString& key, const QJsonValue& value,
                       const QJsonValue& defaultValue = {});

    bool contains(const QString& key) const;
    QJsonObject contents() const { return values_; }

private:
    QJsonObject values_;
};

} // namespace dorvak
