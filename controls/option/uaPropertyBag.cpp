// How an option comes to its settings from the container's property bag, and how it stores
// them: the keys, their defaults and the orders they are read and written in.

#include "controls/option/ua.h"

#include "platform/PropertyTable.h"

namespace tirnel {

namespace {

constexpr std::size_t kKeyCount = 6;

// One default serves for reading (a missing key gives it) and writing (it is not stored).
const std::array<PropertyKey<ua>, kKeyCount> kPropertyKeys = {{
    {"Value", 1, 2, BooleanKey<ua>{{&ua::Value, &ua::Value}, kFalse, kFalse}},
    {"Caption", 2, 3,
     TextKey<ua>{{&ua::Caption, &ua::Caption}, TextDefault::DisplayName(), TextDefault::DisplayName()}},
    {"Enabled", 3, 4, BooleanKey<ua>{{&ua::Enabled, &ua::Enabled}, kTrue, kTrue}},
    {"Font", 4, 1, AmbientFontKey<ua>{{&ua::Font, &ua::Font}}},
    {"BackColor", 5, 5, ColorKey<ua>{{&ua::BackColor, &ua::BackColor}, ua::kDefaultBackColor, ua::kDefaultBackColor}},
    {"ForeColor", 6, 6, ColorKey<ua>{{&ua::ForeColor, &ua::ForeColor}, 0, 0}},
}};

}  // namespace

// A stored value that does not convert to the property's type is skipped; the property keeps
// what it had and the rest are read on.
void ua::UserControl_ReadProperties(const PropertyBag& PropBag) { ReadPropertyTable(*this, kPropertyKeys, PropBag); }

void ua::UserControl_WriteProperties(PropertyBag& PropBag) { WritePropertyTable(*this, kPropertyKeys, PropBag); }

}  // namespace tirnel
