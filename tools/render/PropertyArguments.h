#pragma once
// Settings given on the command line as Key=Value, turned into property-bag values:
// decimal or 0x-hex integers, True/False, or else text.

#include "platform/PropertyBag.h"
#include "platform/PropertyValue.h"

#include <QString>

#include <optional>

namespace tirnel::render {

// -12 and 0x8000000F are integers (hex taken as the 32 bits it spells), "true"/"False" in any
// case booleans, anything else the text as it stands.
PropertyValue ParseSettingValue(const QString& text);

// Stores "Key=Value" in the bag; false when there is no "=" or no key.
bool AddSetting(PropertyBag& bag, const QString& setting);

// "WxH" with both numbers positive.
std::optional<QSize> ParseSize(const QString& text);

}  // namespace tirnel::render
