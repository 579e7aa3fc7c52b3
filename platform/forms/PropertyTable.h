#pragma once

#include "platform/forms/DesignValues.h"
#include "platform/forms/PropertyBag.h"
#include "platform/runtime/IntegerConversion.h"

#include <QJsonValue>
#include <QLatin1String>
#include <QString>
#include <concepts>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <type_traits>
#include <utility>
#include <vector>

namespace dorvak {

// A control's saved properties, each declared once in the order they are saved: its key (the
// property's own name; the bag matches keys without regard to case), where its value is held,
// and its default. From the table come the placing of a new control (InitProperties) and the
// reading and writing of the property bag, always in the table's order. A value equal to its
// default is not written, a missing one reads as its default, and no value is checked.
//
//     const PropertyTable<Skin> properties{
//         field("Transparency", &Skin::transparency_, false),
//         field("TransparencyLevel", &Skin::transparencyLevel_, std::int32_t(15)),
//         field("Style", &Skin::style_, std::int32_t(0)).readFirst(1),
//         own<Skin>("Caption", nullptr, readCaption, writeCaption),
//     };
//
// field() holds the value in a member (or, given a function, anywhere the owner reaches);
// own() is for a property with code of its own: one the control's surface or a child control
// holds, or one whose new value differs from its saved default. readFirst(d) also reads the
// property, with default d (as saved), in the table's readFirst() pass, for a control that sets
// itself up from that one value before the others are read.
//
// How a value is saved is its codec: BagValue<T> reads a value of the wrong type as 0 or
// false and writes colours as numbers; a control that saves otherwise passes its own codec
// to field<Codec>(), with the same two static functions.

// Numbers, Booleans and colours (OleColor, 32 bits unsigned) as a property bag holds them.
template <typename T> struct BagValue {
    static QJsonValue toJson(T value) {
        if constexpr (std::is_same_v<T, bool>)
            return value;
        else
            return qint64(value);
    }
    static T fromJson(const QJsonValue& value) {
        if constexpr (std::is_same_v<T, bool>)
            return boolFromJson(value, false);
        else if constexpr (std::is_same_v<T, OleColor>)
            return colorFromJson(value);
        else if constexpr (std::is_same_v<T, std::int16_t>)
            return toInt16(numberFromJson(value, 0));
        else
            return static_cast<T>(toInt32(numberFromJson(value, 0)));
    }
};

template <typename Owner> struct PropertyRow {
    QLatin1String key;
    // Sets a new control's value; empty: a new control keeps what it has.
    std::function<void(Owner&)> placeAnew;
    // Empty for a property that is not saved.
    std::function<void(Owner&, const PropertyBag&)> read;
    std::function<void(Owner&, PropertyBag&)> write;
    // A field's read with a default given; empty for a property with code of its own.
    std::function<void(Owner&, const PropertyBag&, const QJsonValue& fallback)> readWithDefault;
    // Empty unless the property is read once more before all the others.
    std::function<void(Owner&, const PropertyBag&)> earlyRead;

    // The field is also read in the readFirst() pass, with the default (as saved) given here.
    PropertyRow readFirst(const QJsonValue& earlyDefault) && {
        Q_ASSERT(readWithDefault);
        earlyRead = [readWith = readWithDefault, earlyDefault](Owner& owner,
                                                               const PropertyBag& bag) {
            readWith(owner, bag, earlyDefault);
        };
        return std::move(*this);
    }
    // The property has a default for a new control but is neither read nor written.
    PropertyRow unsaved() && {
        read = nullptr;
        write = nullptr;
        return std::move(*this);
    }
};

template <typename Owner> class PropertyTable {
public:
    // Runs one read; a control that reads in resume-next mode passes one that goes on after
    // a failing read.
    using Step = std::function<void(const std::function<void()>&)>;

    PropertyTable(std::initializer_list<PropertyRow<Owner>> rows)
        : rows_(rows) {}

    void placeAnew(Owner& owner) const {
        for (const PropertyRow<Owner>& row : rows_)
            if (row.placeAnew)
                row.placeAnew(owner);
    }

    void readFirst(Owner& owner, const PropertyBag& bag, const Step& step = runStep) const {
        for (const PropertyRow<Owner>& row : rows_)
            if (row.earlyRead)
                step([&] { row.earlyRead(owner, bag); });
    }

    void read(Owner& owner, const PropertyBag& bag, const Step& step = runStep) const {
        for (const PropertyRow<Owner>& row : rows_)
            if (row.read)
                step([&] { row.read(owner, bag); });
    }

    // The row whose key is exactly `key` (case counts), or null.
    const PropertyRow<Owner>* find(const QString& key) const {
        for (const PropertyRow<Owner>& row : rows_)
            if (row.key == key)
                return &row;
        return nullptr;
    }

    void write(Owner& owner, PropertyBag& bag) const {
        for (const PropertyRow<Owner>& row : rows_)
            if (row.write)
                row.write(owner, bag);
    }

private:
    static void runStep(const std::function<void()>& read) { read(); }

    std::vector<PropertyRow<Owner>> rows_;
};

// A property held where `at` finds it on the owner.
template <typename Codec, typename Owner, typename T>
PropertyRow<Owner> field(const char* key, std::function<T&(Owner&)> at,
                         std::type_identity_t<T> defaultValue) {
    const QLatin1String name(key);
    const auto readWith = [at, name](Owner& owner, const PropertyBag& bag,
                                     const QJsonValue& fallback) {
        at(owner) = Codec::fromJson(bag.ReadProperty(name, fallback));
    };
    return PropertyRow<Owner>{
        .key = name,
        .placeAnew = [at, defaultValue](Owner& owner) { at(owner) = defaultValue; },
        .read =
            [readWith, defaultValue](Owner& owner, const PropertyBag& bag) {
                readWith(owner, bag, Codec::toJson(defaultValue));
            },
        .write =
            [at, name, defaultValue](Owner& owner, PropertyBag& bag) {
                bag.WriteProperty(name, Codec::toJson(at(owner)), Codec::toJson(defaultValue));
            },
        .readWithDefault = readWith,
        .earlyRead = nullptr,
    };
}

template <typename Owner, typename T>
PropertyRow<Owner> field(const char* key, std::function<T&(Owner&)> at,
                         std::type_identity_t<T> defaultValue) {
    return field<BagValue<T>, Owner, T>(key, std::move(at), defaultValue);
}

// A property held in a member of the owner.
template <typename Codec, typename Owner, typename T>
PropertyRow<Owner> field(const char* key, T Owner::*member, std::type_identity_t<T> defaultValue) {
    return field<Codec, Owner, T>(
        key, [member](Owner& owner) -> T& { return owner.*member; }, defaultValue);
}

template <typename Owner, typename T>
PropertyRow<Owner> field(const char* key, T Owner::*member, std::type_identity_t<T> defaultValue) {
    return field<BagValue<T>, Owner, T>(key, member, defaultValue);
}

// A property with code of its own; placeAnew may be null.
template <typename Owner>
PropertyRow<Owner> own(const char* key, std::function<void(Owner&)> placeAnew,
                       std::function<void(Owner&, const PropertyBag&, QLatin1String key)> read,
                       std::function<void(Owner&, PropertyBag&, QLatin1String key)> write) {
    const QLatin1String name(key);
    return PropertyRow<Owner>{
        .key = name,
        .placeAnew = std::move(placeAnew),
        .read = [read = std::move(read), name](Owner& owner,
                                               const PropertyBag& bag) { read(owner, bag, name); },
        .write = [write = std::move(write), name](Owner& owner,
                                                  PropertyBag& bag) { write(owner, bag, name); },
        .readWithDefault = nullptr,
        .earlyRead = nullptr,
    };
}

} // namespace dorvak
