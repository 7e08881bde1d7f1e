// How an option comes to its settings from the container's property bag, and how it stores
// them: the keys, their defaults and the orders they are read and written in.

#include "controls/option/ua.h"

#include <algorithm>
#include <array>
#include <variant>

namespace tirnel {

namespace {

struct BooleanKey {
    std::int16_t (ua::*get)() const;
    void (ua::*set)(std::int16_t);
    std::int16_t fallback;
};
struct ColourKey {
    Color (ua::*get)() const;
    void (ua::*set)(Color);
    Color fallback;
};
// Default: the container's display name for the instance.
struct CaptionKey {
    QString (ua::*get)() const;
    void (ua::*set)(const QString&);
};
// Default: the container's font.
struct FontKey {
    FontRef (ua::*get)() const;
    void (ua::*set)(FontRef);
};

// One default serves for reading (a missing key gives it) and writing (it is not stored).
struct PropertyKey {
    const char* key;
    int readOrder;
    int writeOrder;
    std::variant<BooleanKey, ColourKey, CaptionKey, FontKey> access;
};

constexpr std::size_t kKeyCount = 6;

const std::array<PropertyKey, kKeyCount> kPropertyKeys = {{
    {"Value", 1, 2, BooleanKey{&ua::Value, &ua::Value, kFalse}},
    {"Caption", 2, 3, CaptionKey{&ua::Caption, &ua::Caption}},
    {"Enabled", 3, 4, BooleanKey{&ua::Enabled, &ua::Enabled, kTrue}},
    {"Font", 4, 1, FontKey{&ua::Font, &ua::Font}},
    {"BackColor", 5, 5, ColourKey{&ua::BackColor, &ua::BackColor, ua::kDefaultBackColor}},
    {"ForeColor", 6, 6, ColourKey{&ua::ForeColor, &ua::ForeColor, 0}},
}};

std::array<const PropertyKey*, kKeyCount> KeysInOrder(int PropertyKey::*order) {
    std::array<const PropertyKey*, kKeyCount> keys{};
    std::transform(kPropertyKeys.begin(), kPropertyKeys.end(), keys.begin(), [](const PropertyKey& k) { return &k; });
    std::sort(keys.begin(), keys.end(), [order](const PropertyKey* a, const PropertyKey* b) { return a->*order < b->*order; });
    return keys;
}

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace

// A stored value that does not convert to the property's type is skipped; the property keeps
// what it had and the rest are read on.
void ua::UserControl_ReadProperties(const PropertyBag& PropBag) {
    static const std::array<const PropertyKey*, kKeyCount> kReadOrder = KeysInOrder(&PropertyKey::readOrder);
    for (const PropertyKey* property : kReadOrder) {
        const QString key = QString::fromLatin1(property->key);
        std::visit(Overloaded{
                       [&](const BooleanKey& k) {
                           if (auto v = PropBag.ReadBoolean(key, k.fallback)) (this->*k.set)(*v);
                       },
                       [&](const ColourKey& k) {
                           if (auto v = PropBag.ReadColour(key, k.fallback)) (this->*k.set)(*v);
                       },
                       [&](const CaptionKey& k) {
                           if (auto v = PropBag.ReadString(key, Ambient().DisplayName)) (this->*k.set)(*v);
                       },
                       [&](const FontKey& k) {
                           if (auto v = PropBag.ReadFont(key, Ambient().Font)) (this->*k.set)(*v);
                       },
                   },
                   property->access);
    }
}

void ua::UserControl_WriteProperties(PropertyBag& PropBag) {
    static const std::array<const PropertyKey*, kKeyCount> kWriteOrder = KeysInOrder(&PropertyKey::writeOrder);
    for (const PropertyKey* property : kWriteOrder) {
        const QString key = QString::fromLatin1(property->key);
        std::visit(Overloaded{
                       [&](const BooleanKey& k) { PropBag.WriteBoolean(key, (this->*k.get)(), k.fallback); },
                       [&](const ColourKey& k) { PropBag.WriteColour(key, (this->*k.get)(), k.fallback); },
                       [&](const CaptionKey& k) { PropBag.WriteString(key, (this->*k.get)(), Ambient().DisplayName); },
                       [&](const FontKey& k) { PropBag.WriteFont(key, (this->*k.get)(), Ambient().Font); },
                   },
                   property->access);
    }
}

}  // namespace tirnel
