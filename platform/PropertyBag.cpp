#include "platform/PropertyBag.h"

#include <algorithm>

namespace tirnel {

namespace {

bool SameKey(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

}  // namespace

const PropertyBag::Entry* PropertyBag::Find(const QString& key) const {
    const auto it = std::find_if(mEntries.begin(), mEntries.end(), [&](const Entry& e) { return SameKey(e.key, key); });
    return it == mEntries.end() ? nullptr : &*it;
}

PropertyValue PropertyBag::ReadProperty(const QString& key, const PropertyValue& readDefault) const {
    const Entry* entry = Find(key);
    return entry ? entry->value.Detached() : readDefault;
}

void PropertyBag::WriteProperty(const QString& key, const PropertyValue& value, const PropertyValue& writeDefault) {
    const auto it = std::find_if(mEntries.begin(), mEntries.end(), [&](const Entry& e) { return SameKey(e.key, key); });
    if (value.SameAs(writeDefault)) {
        if (it != mEntries.end()) mEntries.erase(it);
        return;
    }
    if (it != mEntries.end()) {
        it->value = value.Detached();
    } else {
        mEntries.push_back({key, value.Detached()});
    }
}

std::optional<std::int32_t> PropertyBag::ReadInteger(const QString& key, std::int32_t readDefault) const {
    return ReadProperty(key, PropertyValue::Integer(readDefault)).AsInteger();
}
std::optional<std::int16_t> PropertyBag::ReadShort(const QString& key, std::int16_t readDefault) const {
    return ReadProperty(key, PropertyValue::Integer(readDefault)).AsShort();
}
std::optional<std::int16_t> PropertyBag::ReadBoolean(const QString& key, std::int16_t readDefault) const {
    return ReadProperty(key, PropertyValue::Boolean(readDefault)).AsBoolean();
}
std::optional<QString> PropertyBag::ReadString(const QString& key, const QString& readDefault) const {
    return ReadProperty(key, PropertyValue::String(readDefault)).AsString();
}
std::optional<std::uint32_t> PropertyBag::ReadColor(const QString& key, std::uint32_t readDefault) const {
    return ReadProperty(key, PropertyValue::Color(readDefault)).AsColor();
}
std::optional<FontRef> PropertyBag::ReadFont(const QString& key, const FontRef& readDefault) const {
    return ReadProperty(key, PropertyValue::Font(readDefault)).AsFont();
}
std::optional<PictureRef> PropertyBag::ReadPicture(const QString& key, const PictureRef& readDefault) const {
    return ReadProperty(key, PropertyValue::Picture(readDefault)).AsPicture();
}

void PropertyBag::WriteInteger(const QString& key, std::int32_t value, std::int32_t writeDefault) {
    WriteProperty(key, PropertyValue::Integer(value), PropertyValue::Integer(writeDefault));
}
void PropertyBag::WriteShort(const QString& key, std::int16_t value, std::int16_t writeDefault) {
    WriteInteger(key, value, writeDefault);
}
void PropertyBag::WriteBoolean(const QString& key, std::int16_t value, std::int16_t writeDefault) {
    WriteProperty(key, PropertyValue::Boolean(value), PropertyValue::Boolean(writeDefault));
}
void PropertyBag::WriteString(const QString& key, const QString& value, const QString& writeDefault) {
    WriteProperty(key, PropertyValue::String(value), PropertyValue::String(writeDefault));
}
void PropertyBag::WriteColor(const QString& key, std::uint32_t value, std::uint32_t writeDefault) {
    WriteProperty(key, PropertyValue::Color(value), PropertyValue::Color(writeDefault));
}
void PropertyBag::WriteFont(const QString& key, const FontRef& value, const FontRef& writeDefault) {
    WriteProperty(key, PropertyValue::Font(value), PropertyValue::Font(writeDefault));
}
void PropertyBag::WritePicture(const QString& key, const PictureRef& value, const PictureRef& writeDefault) {
    WriteProperty(key, PropertyValue::Picture(value), PropertyValue::Picture(writeDefault));
}

bool PropertyBag::Contains(const QString& key) const { return Find(key) != nullptr; }

QStringList PropertyBag::Keys() const {
    QStringList keys;
    for (const Entry& e : mEntries) keys << e.key;
    return keys;
}

}  // namespace tirnel
