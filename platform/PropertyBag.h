#pragma once
// The container's keyed store for a control's design-time settings. Keys match without
// regard to letter case. A read of a missing key gives the read default; a write of a
// value equal to its write default stores nothing (and forgets what an earlier save
// stored under that key). Stored fonts and pictures are snapshots: later changes to the
// control's objects do not reach the bag, and each read hands out a separate object.
//
// The typed reads return std::nullopt when the stored value cannot be converted to the
// requested type; the caller skips that one setting and reads on:
//
//     if (auto v = bag.ReadInteger("Max", 100)) Max(*v);

#include "platform/PropertyValue.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace tirnel {

class PropertyBag {
public:
    PropertyValue ReadProperty(const QString& key, const PropertyValue& readDefault = {}) const;
    void WriteProperty(const QString& key, const PropertyValue& value, const PropertyValue& writeDefault = {});

    std::optional<std::int32_t> ReadInteger(const QString& key, std::int32_t readDefault) const;
    std::optional<std::int16_t> ReadShort(const QString& key, std::int16_t readDefault) const;
    std::optional<std::int16_t> ReadBoolean(const QString& key, std::int16_t readDefault) const;
    std::optional<QString> ReadString(const QString& key, const QString& readDefault) const;
    std::optional<std::uint32_t> ReadColor(const QString& key, std::uint32_t readDefault) const;
    std::optional<FontRef> ReadFont(const QString& key, const FontRef& readDefault) const;
    std::optional<PictureRef> ReadPicture(const QString& key, const PictureRef& readDefault) const;

    void WriteInteger(const QString& key, std::int32_t value, std::int32_t writeDefault);
    void WriteShort(const QString& key, std::int16_t value, std::int16_t writeDefault);
    void WriteBoolean(const QString& key, std::int16_t value, std::int16_t writeDefault);
    void WriteString(const QString& key, const QString& value, const QString& writeDefault);
    void WriteColor(const QString& key, std::uint32_t value, std::uint32_t writeDefault);
    void WriteFont(const QString& key, const FontRef& value, const FontRef& writeDefault);
    void WritePicture(const QString& key, const PictureRef& value, const PictureRef& writeDefault);

    bool Contains(const QString& key) const;
    // Stored keys in the order they were first stored, spelt as that write spelt them.
    QStringList Keys() const;
    int Count() const { return static_cast<int>(mEntries.size()); }
    void Clear() { mEntries.clear(); }

private:
    struct Entry {
        QString key;
        PropertyValue value;
    };

    const Entry* Find(const QString& key) const;

    std::vector<Entry> mEntries;
};

}  // namespace tirnel
