#pragma once
// Settings given on the command line as Key=Value, turned into property-bag values:
// decimal or 0x-hex integers, True/False, pictures read from image files
// (bitmap:FILE.png, icon:FILE.png or icon:FILE.png:MASK.png), or else text.

#include "platform/PropertyBag.h"
#include "platform/PropertyValue.h"

#include <QString>

#include <optional>

namespace tirnel::render {

// -12 and 0x8000000F are integers (hex taken as the 32 bits it spells), "true"/"False" in any
// case booleans, anything else the text as it stands.
PropertyValue ParseSettingValue(const QString& text);

// A picture named as bitmap:FILE or icon:FILE[:MASK]: nothing when the text names no
// picture; a picture, or a problem when a file cannot be read.
struct PictureSetting {
    PictureRef picture;
    QString problem;
};
std::optional<PictureSetting> ParsePictureSetting(const QString& text);

// Stores "Key=Value" in the bag; false, and why in `problem`, when there is no "=", no key or
// an unreadable picture.
bool AddSetting(PropertyBag& bag, const QString& setting, QString* problem = nullptr);

// "WxH" with both numbers positive.
std::optional<QSize> ParseSize(const QString& text);

// The device pixel ratio of --scale: a number from 1 to kMaxScale, whole or not ("2", "1.5").
inline constexpr double kMaxScale = 4;
std::optional<double> ParseScale(const QString& text);
// What --scale says when its value is refused.
QString ScaleProblem();

}  // namespace tirnel::render
