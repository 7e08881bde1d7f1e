#pragma once
// A control's property-bag keys as a table: for each key its name, the place it takes when
// the bag is read and when it is written, the property's getter and setter, and its
// defaults. One reader and one writer serve every control.
//
// Reading: a key missing from the bag gives its read default; a stored value that does not
// convert to the property's type is skipped, the property keeps what it had and the other
// keys are read on. Writing: a value equal to its write default is not stored.

#include "platform/Colors.h"
#include "platform/Control.h"
#include "platform/FontObject.h"
#include "platform/PropertyBag.h"

#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>
#include <variant>

namespace tirnel {

template <class T>
struct IntegerKey {
    std::int32_t (T::*get)() const;
    void (T::*set)(std::int32_t);
    std::int32_t readDefault;
    std::int32_t writeDefault;
};
template <class T>
struct BooleanKey {
    std::int16_t (T::*get)() const;
    void (T::*set)(std::int16_t);
    std::int16_t readDefault;
    std::int16_t writeDefault;
};
template <class T>
struct ColourKey {
    Color (T::*get)() const;
    void (T::*set)(Color);
    Color readDefault;
    Color writeDefault;
};
// Text read with the container's display name for the instance as its default, and written
// with that name or with "" as its write default.
enum class TextWriteDefault { DisplayName, Empty };
template <class T>
struct TextKey {
    QString (T::*get)() const;
    void (T::*set)(const QString&);
    TextWriteDefault writeDefault;
};
// A font read and written with the container's font as its default.
template <class T>
struct AmbientFontKey {
    FontRef (T::*get)() const;
    void (T::*set)(FontRef);
};

template <class T>
struct PropertyKey {
    const char* key;
    int readOrder;
    int writeOrder;
    std::variant<IntegerKey<T>, BooleanKey<T>, ColourKey<T>, TextKey<T>, AmbientFontKey<T>> access;
};

namespace property_table {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

template <class T, std::size_t N>
std::array<const PropertyKey<T>*, N> InOrder(const std::array<PropertyKey<T>, N>& keys, int PropertyKey<T>::*order) {
    std::array<const PropertyKey<T>*, N> sorted{};
    std::transform(keys.begin(), keys.end(), sorted.begin(), [](const PropertyKey<T>& k) { return &k; });
    std::stable_sort(sorted.begin(), sorted.end(),
                     [order](const PropertyKey<T>* a, const PropertyKey<T>* b) { return a->*order < b->*order; });
    return sorted;
}

}  // namespace property_table

template <class T, std::size_t N>
void ReadPropertyTable(T& control, const std::array<PropertyKey<T>, N>& keys, const PropertyBag& bag) {
    using property_table::Overloaded;
    const AmbientProperties& ambient = control.Ambient();
    for (const PropertyKey<T>* property : property_table::InOrder(keys, &PropertyKey<T>::readOrder)) {
        const QString key = QString::fromLatin1(property->key);
        std::visit(Overloaded{
                       [&](const IntegerKey<T>& k) {
                           if (auto v = bag.ReadInteger(key, k.readDefault)) (control.*k.set)(*v);
                       },
                       [&](const BooleanKey<T>& k) {
                           if (auto v = bag.ReadBoolean(key, k.readDefault)) (control.*k.set)(*v);
                       },
                       [&](const ColourKey<T>& k) {
                           if (auto v = bag.ReadColour(key, k.readDefault)) (control.*k.set)(*v);
                       },
                       [&](const TextKey<T>& k) {
                           if (auto v = bag.ReadString(key, ambient.DisplayName)) (control.*k.set)(*v);
                       },
                       [&](const AmbientFontKey<T>& k) {
                           if (auto v = bag.ReadFont(key, ambient.Font)) (control.*k.set)(*v);
                       },
                   },
                   property->access);
    }
}

template <class T, std::size_t N>
void WritePropertyTable(const T& control, const std::array<PropertyKey<T>, N>& keys, PropertyBag& bag) {
    using property_table::Overloaded;
    const AmbientProperties& ambient = control.Ambient();
    for (const PropertyKey<T>* property : property_table::InOrder(keys, &PropertyKey<T>::writeOrder)) {
        const QString key = QString::fromLatin1(property->key);
        std::visit(Overloaded{
                       [&](const IntegerKey<T>& k) { bag.WriteInteger(key, (control.*k.get)(), k.writeDefault); },
                       [&](const BooleanKey<T>& k) { bag.WriteBoolean(key, (control.*k.get)(), k.writeDefault); },
                       [&](const ColourKey<T>& k) { bag.WriteColour(key, (control.*k.get)(), k.writeDefault); },
                       [&](const TextKey<T>& k) {
                           const QString fallback =
                               k.writeDefault == TextWriteDefault::DisplayName ? ambient.DisplayName : QString();
                           bag.WriteString(key, (control.*k.get)(), fallback);
                       },
                       [&](const AmbientFontKey<T>& k) { bag.WriteFont(key, (control.*k.get)(), ambient.Font); },
                   },
                   property->access);
    }
}

}  // namespace tirnel
