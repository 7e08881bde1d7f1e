#pragma once
// A property bag as text: one "Key=Value" line per stored key, in the order the keys were
// first written and spelt as written. Values: integers in decimal, booleans True/False,
// colours 0x and eight upper-case hex digits (so the line reads back as a --set), strings
// as they stand, fonts "Font(Name,Size[,bold][,italic][,underline][,strikethrough])",
// pictures "Picture(WxH)" in pixels, an empty value as nothing.

#include "platform/PropertyBag.h"

#include <QStringList>

namespace tirnel::render {

QString PropertyValueText(const PropertyValue& value);
QStringList ListProperties(const PropertyBag& bag);

}  // namespace tirnel::render
