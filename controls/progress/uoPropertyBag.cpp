// How a progress bar comes to its settings: the defaults of a new instance, and the
// property-bag keys it is stored under.

#include "controls/progress/uo.h"

#include "platform/Boolean.h"

#include <algorithm>
#include <array>
#include <type_traits>
#include <variant>

namespace tirnel {

namespace {

// The read default of a key that has one fixed value, or one given by the container.
enum class ContainerDefault { DisplayName, AmbientFont };

struct IntegerKey {
    std::int32_t (uo::*get)() const;
    void (uo::*set)(std::int32_t);
    std::int32_t readDefault;
    std::int32_t writeDefault;
};
struct BooleanKey {
    std::int16_t (uo::*get)() const;
    void (uo::*set)(std::int16_t);
    std::int16_t readDefault;
    std::int16_t writeDefault;
};
struct ColourKey {
    Color (uo::*get)() const;
    void (uo::*set)(Color);
    Color readDefault;
    Color writeDefault;
};
// Read default: the container's display name for the instance; write default: "".
struct TextKey {
    QString (uo::*get)() const;
    void (uo::*set)(const QString&);
};
// Read and write default: the container's ambient font.
struct FontKey {
    FontRef (uo::*get)() const;
    void (uo::*set)(FontRef);
};

struct PropertyKey {
    const char* key;
    int readOrder;
    int writeOrder;
    std::variant<IntegerKey, BooleanKey, ColourKey, TextKey, FontKey> access;
};

constexpr Color kDefaultEffectColor = RGB(200, 200, 200);

const std::array<PropertyKey, 16> kPropertyKeys = {{
    {"Max", 1, 2, IntegerKey{&uo::Max, &uo::Max, 100, 100}},
    {"Min", 2, 3, IntegerKey{&uo::Min, &uo::Min, 0, 0}},
    {"Value", 3, 4, IntegerKey{&uo::Value, &uo::Value, 50, 50}},
    {"RoundedValue", 4, 5, IntegerKey{&uo::RoundedValue, &uo::RoundedValue, 5, 5}},
    {"Enabled", 5, 6, BooleanKey{&uo::Enabled, &uo::Enabled, kTrue, kTrue}},
    {"Theme", 6, 7, IntegerKey{&uo::Theme, &uo::Theme, 1, 1}},
    {"TextStyle", 7, 8, IntegerKey{&uo::TextStyle, &uo::TextStyle, 1, 1}},
    {"Orientations", 8, 1, IntegerKey{&uo::Orientations, &uo::Orientations, 1, 1}},
    {"Text", 9, 12, TextKey{&uo::Text, &uo::Text}},
    {"TextEffectColor", 10, 13,
     ColourKey{&uo::TextEffectColor, &uo::TextEffectColor, kDefaultEffectColor, kDefaultEffectColor}},
    {"TextEffect", 11, 14, IntegerKey{&uo::TextEffect, &uo::TextEffect, 1, 1}},
    {"TextAlignment", 12, 11, IntegerKey{&uo::TextAlignment, &uo::TextAlignment, 5, 5}},
    {"TextFont", 13, 9, FontKey{&uo::TextFont, &uo::TextFont}},
    {"TextForeColor", 14, 10, ColourKey{&uo::TextForeColor, &uo::TextForeColor, 0, 0}},
    {"PBSCustomeColor2", 15, 15, ColourKey{&uo::PBSCustomeColor2, &uo::PBSCustomeColor2, 0, 0}},
    {"PBSCustomeColor1", 16, 16, ColourKey{&uo::PBSCustomeColor1, &uo::PBSCustomeColor1, 0, 0}},
}};

// The keys sorted by one of their orders.
std::array<const PropertyKey*, 16> KeysInOrder(int PropertyKey::*order) {
    std::array<const PropertyKey*, 16> keys{};
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

void uo::UserControl_InitProperties() {
    Max(100);
    Min(0);
    Value(50);
    RoundedValue(5);
    Enabled(kTrue);
    Theme(ThemeGold);
    TextForeColor(0);
    Text(QStringLiteral("Z11A ProgressBar"));
    TextAlignment(AlignMiddleCenter);
    TextEffect(EffectShadow);
    TextEffectColor(RGB(255, 255, 255));
    TextStyle(TextCustom);
    Orientations(OrientHorizontal);
    TextFont(Ambient().Font);
}

// Max comes before Min and Value, so the stored values are clamped against freshly read
// neighbours in that order. A value that does not convert to the property's type is skipped
// and the property keeps what it had.
void uo::UserControl_ReadProperties(const PropertyBag& PropBag) {
    static const std::array<const PropertyKey*, 16> kReadOrder = KeysInOrder(&PropertyKey::readOrder);
    for (const PropertyKey* property : kReadOrder) {
        const QString key = QString::fromLatin1(property->key);
        std::visit(Overloaded{
                       [&](const IntegerKey& k) {
                           if (auto v = PropBag.ReadInteger(key, k.readDefault)) (this->*k.set)(*v);
                       },
                       [&](const BooleanKey& k) {
                           if (auto v = PropBag.ReadBoolean(key, k.readDefault)) (this->*k.set)(*v);
                       },
                       [&](const ColourKey& k) {
                           if (auto v = PropBag.ReadColour(key, k.readDefault)) (this->*k.set)(*v);
                       },
                       [&](const TextKey& k) {
                           if (auto v = PropBag.ReadString(key, Ambient().DisplayName)) (this->*k.set)(*v);
                       },
                       [&](const FontKey& k) {
                           if (auto v = PropBag.ReadFont(key, Ambient().Font)) (this->*k.set)(*v);
                       },
                   },
                   property->access);
    }
}

void uo::UserControl_WriteProperties(PropertyBag& PropBag) {
    static const std::array<const PropertyKey*, 16> kWriteOrder = KeysInOrder(&PropertyKey::writeOrder);
    for (const PropertyKey* property : kWriteOrder) {
        const QString key = QString::fromLatin1(property->key);
        std::visit(Overloaded{
                       [&](const IntegerKey& k) { PropBag.WriteInteger(key, (this->*k.get)(), k.writeDefault); },
                       [&](const BooleanKey& k) { PropBag.WriteBoolean(key, (this->*k.get)(), k.writeDefault); },
                       [&](const ColourKey& k) { PropBag.WriteColour(key, (this->*k.get)(), k.writeDefault); },
                       [&](const TextKey& k) { PropBag.WriteString(key, (this->*k.get)(), QString()); },
                       [&](const FontKey& k) { PropBag.WriteFont(key, (this->*k.get)(), Ambient().Font); },
                   },
                   property->access);
    }
}

}  // namespace tirnel
