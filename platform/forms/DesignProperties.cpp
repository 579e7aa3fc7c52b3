#include "platform/forms/DesignProperties.h"

#include "platform/forms/DesignValues.h"
#include "platform/runtime/RuntimeError.h"

#include <QMetaProperty>
#include <QObject>
#include <QVariant>

namespace dorvak {
namespace {

QVariant valueFor(const QMetaProperty& property, const QJsonValue& value, const QObject& control) {
    switch (property.metaType().id()) {
    case QMetaType::QFont:
        return fontFromJson(value, property.read(&control).value<QFont>());
    case QMetaType::QImage:
        return pictureFromJson(value);
    case QMetaType::UInt:
        return colorFromJson(value);
    case QMetaType::Bool:
        return boolFromJson(value, false);
    default:
        return value.toVariant();
    }
}

} // namespace

void applyDesignProperties(QObject& control, const QJsonObject& properties) {
    const QMetaObject& meta = *control.metaObject();
    for (auto it = properties.begin(); it != properties.end(); ++it) {
        if (it.key() == QLatin1String("TabIndex"))
            continue;
        const int index = meta.indexOfProperty(it.key().toLatin1().constData());
        if (index < 0)
            throw RuntimeError(ErrorCode::InvalidCall,
                               "design description: " + std::string(meta.className()) +
                                   " has no property " + it.key().toStdString());
        const QMetaProperty property = meta.property(index);
        property.write(&control, valueFor(property, it.value(), control));
    }
}

} // namespace dorvak
