#pragma once
// One value in a property bag: empty, a 32-bit integer, a 16-bit boolean (True = -1),
// a string, a 32-bit colour, a font or a picture. The typed accessors convert the way
// the platform's variants do and return std::nullopt when the stored value cannot be
// taken as the requested type, so a control can skip that one setting and go on.

#include "platform/FontObject.h"
#include "platform/PictureObject.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <variant>

namespace tirnel {

class PropertyValue {
public:
    enum class Kind { Empty, Integer, Boolean, String, Color, Font, Picture };

    PropertyValue() = default;

    static PropertyValue Integer(std::int32_t value);
    static PropertyValue Boolean(std::int16_t value);  // any non-zero value is kept as True
    static PropertyValue String(const QString& value);
    static PropertyValue Color(std::uint32_t value);
    static PropertyValue Font(FontRef value);
    static PropertyValue Picture(PictureRef value);

    Kind Type() const;
    bool IsEmpty() const { return Type() == Kind::Empty; }

    // Integer: booleans give -1/0, colours their 32 bits, strings a decimal, "&H" hex or
    // decimal-fraction number (fractions rounded to the nearest, ties to even) in range.
    std::optional<std::int32_t> AsInteger() const;
    // As AsInteger, then the range of a 16-bit integer.
    std::optional<std::int16_t> AsShort() const;
    // Boolean: numbers are True when not zero; strings "True"/"False" in any case or a number.
    std::optional<std::int16_t> AsBoolean() const;
    // String: numbers in decimal, booleans as "True"/"False"; fonts and pictures fail.
    std::optional<QString> AsString() const;
    // Color: integers and booleans as their 32 bits, strings as AsInteger reads them.
    std::optional<std::uint32_t> AsColor() const;
    // Font and picture: only their own kind, or empty (which gives an empty reference).
    std::optional<FontRef> AsFont() const;
    std::optional<PictureRef> AsPicture() const;

    // Same kind and same value; fonts and pictures compare by their attributes and
    // pixels, an empty reference equals an empty reference.
    bool SameAs(const PropertyValue& other) const;

    // A copy whose font or picture is a separate object, as a stored setting must be.
    PropertyValue Detached() const;

private:
    struct BooleanValue {
        std::int16_t value;
    };
    struct ColorValue {
        std::uint32_t value;
    };
    using Storage = std::variant<std::monostate, std::int32_t, BooleanValue, QString, ColorValue, FontRef, PictureRef>;

    explicit PropertyValue(Storage storage) : mValue(std::move(storage)) {}

    Storage mValue;
};

}  // namespace tirnel
