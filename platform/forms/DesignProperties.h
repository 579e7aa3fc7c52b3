#pragma once

#include "platform/forms/DesignValues.h"
#include "platform/forms/PropertyTable.h"
#include "platform/runtime/RuntimeError.h"

#include <QFont>
#include <QImage>
#include <QJsonObject>
#include <QObject>
#include <QVariant>
#include <string>
#include <type_traits>

namespace dorvak {

// A built-in control's designed property: read from a design description through the
// control's setter, never saved. Colours accept "0x..." strings, pictures their JSON form;
// other values convert as QVariant converts them.
template <typename Owner, typename Base, typename Arg>
PropertyRow<Owner> designed(const char* key, void (Base::*set)(Arg)) {
    using Value = std::remove_cvref_t<Arg>;
    const QLatin1String name(key);
    return PropertyRow<Owner>{
        .key = name,
        .placeAnew = nullptr,
        .read =
            [set, name](Owner& owner, const PropertyBag& bag) {
                const QJsonValue value = bag.ReadProperty(name);
                if constexpr (std::is_same_v<Value, QImage>)
                    (owner.*set)(pictureFromJson(value));
                else if constexpr (std::is_same_v<Value, OleColor>)
                    (owner.*set)(colorFromJson(value));
                else if constexpr (std::is_same_v<Value, bool>)
                    (owner.*set)(boolFromJson(value, false));
                else
                    (owner.*set)(value.toVariant().value<Value>());
            },
        .write = nullptr,
        .readWithDefault = nullptr,
        .earlyRead = nullptr,
    };
}

// A designed font changes only what the design names of the control's current font.
template <typename Owner, typename Get, typename SetBase>
PropertyRow<Owner> designedFont(const char* key, Get get, void (SetBase::*set)(const QFont&)) {
    PropertyRow<Owner> row = designed<Owner>(key, set);
    row.read = [get, set, name = row.key](Owner& owner, const PropertyBag& bag) {
        (owner.*set)(fontFromJson(bag.ReadProperty(name), (owner.*get)()));
    };
    return row;
}

// Applies design-time values to a control (or window) through its table, in the design's
// order. "TabIndex" belongs to the window's tab order and is skipped. Raises RuntimeError
// (invalid call) for a property the control does not have, so a typo in a design description
// does not go unnoticed.
template <typename Owner>
void applyDesignProperties(Owner& control, const PropertyTable<Owner>& table,
                           const QJsonObject& properties) {
    const PropertyBag bag(properties);
    for (auto it = properties.begin(); it != properties.end(); ++it) {
        if (it.key() == QLatin1String("TabIndex"))
            continue;
        const PropertyRow<Owner>* row = table.find(it.key());
        if (!row)
            throw RuntimeError(
                ErrorCode::InvalidCall,
                "design description: " + std::string(control.metaObject()->className()) +
                    " has no property " + it.key().toStdString());
        row->read(control, bag);
    }
}

} // namespace dorvak
