// How a progress bar comes to its settings: the defaults of a new instance, and the
// property-bag keys it is stored under.

#include "controls/progress/uo.h"

#include "platform/Boolean.h"
#include "platform/PropertyTable.h"

namespace tirnel {

namespace {

constexpr Color kDefaultEffectColor = RGB(200, 200, 200);

const std::array<PropertyKey<uo>, 16> kPropertyKeys = {{
    {"Max", 1, 2, IntegerKey<uo>{{&uo::Max, &uo::Max}, 100, 100}},
    {"Min", 2, 3, IntegerKey<uo>{{&uo::Min, &uo::Min}, 0, 0}},
    {"Value", 3, 4, IntegerKey<uo>{{&uo::Value, &uo::Value}, 50, 50}},
    {"RoundedValue", 4, 5, IntegerKey<uo>{{&uo::RoundedValue, &uo::RoundedValue}, 5, 5}},
    {"Enabled", 5, 6, BooleanKey<uo>{{&uo::Enabled, &uo::Enabled}, kTrue, kTrue}},
    {"Theme", 6, 7, IntegerKey<uo>{{&uo::Theme, &uo::Theme}, 1, 1}},
    {"TextStyle", 7, 8, IntegerKey<uo>{{&uo::TextStyle, &uo::TextStyle}, 1, 1}},
    {"Orientations", 8, 1, IntegerKey<uo>{{&uo::Orientations, &uo::Orientations}, 1, 1}},
    {"Text", 9, 12, TextKey<uo>{{&uo::Text, &uo::Text}, TextDefault::DisplayName(), TextDefault::Empty()}},
    {"TextEffectColor", 10, 13,
     ColorKey<uo>{{&uo::TextEffectColor, &uo::TextEffectColor}, kDefaultEffectColor, kDefaultEffectColor}},
    {"TextEffect", 11, 14, IntegerKey<uo>{{&uo::TextEffect, &uo::TextEffect}, 1, 1}},
    {"TextAlignment", 12, 11, IntegerKey<uo>{{&uo::TextAlignment, &uo::TextAlignment}, 5, 5}},
    {"TextFont", 13, 9, AmbientFontKey<uo>{{&uo::TextFont, &uo::TextFont}}},
    {"TextForeColor", 14, 10, ColorKey<uo>{{&uo::TextForeColor, &uo::TextForeColor}, 0, 0}},
    {"PBSCustomeColor2", 15, 15, ColorKey<uo>{{&uo::PBSCustomeColor2, &uo::PBSCustomeColor2}, 0, 0}},
    {"PBSCustomeColor1", 16, 16, ColorKey<uo>{{&uo::PBSCustomeColor1, &uo::PBSCustomeColor1}, 0, 0}},
}};

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
void uo::UserControl_ReadProperties(const PropertyBag& PropBag) { ReadPropertyTable(*this, kPropertyKeys, PropBag); }

void uo::UserControl_WriteProperties(PropertyBag& PropBag) { WritePropertyTable(*this, kPropertyKeys, PropBag); }

}  // namespace tirnel
