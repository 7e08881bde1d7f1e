#pragma once
// A control's property-bag keys as a table: for each key its name, the place it takes when
// the bag is read and when it is written, where its value lives in the control, and its
// defaults. One reader and one writer serve every control.
//
// Where a value lives is a Slot: either a member the reader assigns directly (no side
// effects, so a key read later cannot undo one read earlier) or a getter/setter pair the
// reader calls. A control whose table names its private members declares the table as a
// private static member, so the table is inside the class's access.
//
// Reading: a key missing from the bag gives its read default; a stored value that does not
// convert to the property's type is skipped, the property keeps what it had and the other
// keys are read on. Steps are run at their place in the read order and are never written.
// Writing: a value equal to its write default is not stored. A key may be written under a
// different spelling than it is read under; the bag matches keys without regard to case.

#include "platform/Colors.h"
#include "platform/Control.h"
#include "platform/FontObject.h"
#include "platform/PictureObject.h"
#include "platform/PropertyBag.h"

#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>
#include <variant>

namespace tirnel {

template <class T, class V>
class Slot {
public:
    Slot(V T::*member) : mAccess(member) {}
    Slot(V (T::*get)() const, void (T::*set)(V)) : mAccess(ByValue{get, set}) {}
    Slot(V (T::*get)() const, void (T::*set)(const V&)) : mAccess(ByReference{get, set}) {}

    V Get(const T& control) const {
        if (auto member = std::get_if<V T::*>(&mAccess)) return control.**member;
        if (auto pair = std::get_if<ByValue>(&mAccess)) return (control.*pair->get)();
        return (control.*std::get<ByReference>(mAccess).get)();
    }
    void Set(T& control, V value) const {
        if (auto member = std::get_if<V T::*>(&mAccess)) {
            control.**member = std::move(value);
        } else if (auto pair = std::get_if<ByValue>(&mAccess)) {
            (control.*pair->set)(std::move(value));
        } else {
            (control.*std::get<ByReference>(mAccess).set)(value);
        }
    }

private:
    struct ByValue {
        V (T::*get)() const;
        void (T::*set)(V);
    };
    struct ByReference {
        V (T::*get)() const;
        void (T::*set)(const V&);
    };
    std::variant<V T::*, ByValue, ByReference> mAccess;
};

template <class T>
struct IntegerKey {
    Slot<T, std::int32_t> slot;
    std::int32_t readDefault;
    std::int32_t writeDefault;
};
// A 16-bit integer.
template <class T>
struct ShortKey {
    Slot<T, std::int16_t> slot;
    std::int16_t readDefault;
    std::int16_t writeDefault;
};
// A 16-bit boolean, True = -1.
template <class T>
struct BooleanKey {
    Slot<T, std::int16_t> slot;
    std::int16_t readDefault;
    std::int16_t writeDefault;
};
template <class T>
struct ColorKey {
    Slot<T, Color> slot;
    Color readDefault;
    Color writeDefault;
};

// A text key's default: the container's display name for the instance, or fixed text.
class TextDefault {
public:
    static constexpr TextDefault DisplayName() { return TextDefault(true, ""); }
    static constexpr TextDefault Fixed(const char* utf8) { return TextDefault(false, utf8); }
    static constexpr TextDefault Empty() { return Fixed(""); }

    QString For(const AmbientProperties& ambient) const {
        return mDisplayName ? ambient.DisplayName : QString::fromUtf8(mText);
    }

private:
    constexpr TextDefault(bool displayName, const char* text) : mDisplayName(displayName), mText(text) {}

    bool mDisplayName;
    const char* mText;
};
template <class T>
struct TextKey {
    Slot<T, QString> slot;
    TextDefault readDefault;
    TextDefault writeDefault;
};
// A font read and written with the container's font as its default.
template <class T>
struct AmbientFontKey {
    Slot<T, FontRef> slot;
};
// A picture read and written with no picture as its default.
template <class T>
struct PictureKey {
    Slot<T, PictureRef> slot;
};
// Not a key: an action run at its place in the read order.
template <class T>
struct ReadStep {
    void (T::*run)();
};

template <class T>
struct PropertyKey {
    const char* key;  // unused by a step
    int readOrder;
    int writeOrder;  // unused by a step
    std::variant<IntegerKey<T>, ShortKey<T>, BooleanKey<T>, ColorKey<T>, TextKey<T>, AmbientFontKey<T>,
                 PictureKey<T>, ReadStep<T>>
        access;
    // The spelling the key is written under when it differs from `key`.
    const char* writeKey = nullptr;
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

inline QString KeyName(const char* key) { return key ? QString::fromLatin1(key) : QString(); }

}  // namespace property_table

template <class T, std::size_t N>
void ReadPropertyTable(T& control, const std::array<PropertyKey<T>, N>& keys, const PropertyBag& bag) {
    using property_table::Overloaded;
    const AmbientProperties& ambient = control.Ambient();
    for (const PropertyKey<T>* property : property_table::InOrder(keys, &PropertyKey<T>::readOrder)) {
        const QString key = property_table::KeyName(property->key);
        std::visit(Overloaded{
                       [&](const IntegerKey<T>& k) {
                           if (auto v = bag.ReadInteger(key, k.readDefault)) k.slot.Set(control, *v);
                       },
                       [&](const ShortKey<T>& k) {
                           if (auto v = bag.ReadShort(key, k.readDefault)) k.slot.Set(control, *v);
                       },
                       [&](const BooleanKey<T>& k) {
                           if (auto v = bag.ReadBoolean(key, k.readDefault)) k.slot.Set(control, *v);
                       },
                       [&](const ColorKey<T>& k) {
                           if (auto v = bag.ReadColor(key, k.readDefault)) k.slot.Set(control, *v);
                       },
                       [&](const TextKey<T>& k) {
                           if (auto v = bag.ReadString(key, k.readDefault.For(ambient))) k.slot.Set(control, *v);
                       },
                       [&](const AmbientFontKey<T>& k) {
                           if (auto v = bag.ReadFont(key, ambient.Font)) k.slot.Set(control, *v);
                       },
                       [&](const PictureKey<T>& k) {
                           if (auto v = bag.ReadPicture(key, nullptr)) k.slot.Set(control, *v);
                       },
                       [&](const ReadStep<T>& step) { (control.*step.run)(); },
                   },
                   property->access);
    }
}

template <class T, std::size_t N>
void WritePropertyTable(const T& control, const std::array<PropertyKey<T>, N>& keys, PropertyBag& bag) {
    using property_table::Overloaded;
    const AmbientProperties& ambient = control.Ambient();
    for (const PropertyKey<T>* property : property_table::InOrder(keys, &PropertyKey<T>::writeOrder)) {
        const QString key = property_table::KeyName(property->writeKey ? property->writeKey : property->key);
        std::visit(Overloaded{
                       [&](const IntegerKey<T>& k) { bag.WriteInteger(key, k.slot.Get(control), k.writeDefault); },
                       [&](const ShortKey<T>& k) { bag.WriteShort(key, k.slot.Get(control), k.writeDefault); },
                       [&](const BooleanKey<T>& k) { bag.WriteBoolean(key, k.slot.Get(control), k.writeDefault); },
                       [&](const ColorKey<T>& k) { bag.WriteColor(key, k.slot.Get(control), k.writeDefault); },
                       [&](const TextKey<T>& k) {
                           bag.WriteString(key, k.slot.Get(control), k.writeDefault.For(ambient));
                       },
                       [&](const AmbientFontKey<T>& k) { bag.WriteFont(key, k.slot.Get(control), ambient.Font); },
                       [&](const PictureKey<T>& k) { bag.WritePicture(key, k.slot.Get(control), nullptr); },
                       [](const ReadStep<T>&) {},
                   },
                   property->access);
    }
}

}  // namespace tirnel
