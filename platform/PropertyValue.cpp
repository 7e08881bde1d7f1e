#include "platform/PropertyValue.h"

#include "platform/Boolean.h"

#include <cmath>
#include <limits>

namespace tirnel {

namespace {

// A number written as text: decimal, "&H" hexadecimal (32 bits, so "&HFFFFFFFF" is -1)
// or a decimal fraction rounded to the nearest integer, ties to even.
std::optional<std::int32_t> IntegerFromText(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    bool ok = false;
    if (t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        const qulonglong bits = t.mid(2).toULongLong(&ok, 16);
        if (!ok || bits > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(bits));
    }
    const qlonglong whole = t.toLongLong(&ok, 10);
    if (ok) {
        if (whole < std::numeric_limits<std::int32_t>::min() || whole > std::numeric_limits<std::int32_t>::max())
            return std::nullopt;
        return static_cast<std::int32_t>(whole);
    }
    const double number = t.toDouble(&ok);
    if (!ok || !std::isfinite(number)) return std::nullopt;
    const double rounded = std::nearbyint(number);
    if (rounded < std::numeric_limits<std::int32_t>::min() || rounded > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

}  // namespace

PropertyValue PropertyValue::Integer(std::int32_t value) { return PropertyValue(Storage(value)); }
PropertyValue PropertyValue::Boolean(std::int16_t value) {
    return PropertyValue(Storage(BooleanValue{ToBoolean(IsTrue(value))}));
}
PropertyValue PropertyValue::String(const QString& value) { return PropertyValue(Storage(value)); }
PropertyValue PropertyValue::Color(std::uint32_t value) { return PropertyValue(Storage(ColorValue{value})); }
PropertyValue PropertyValue::Font(FontRef value) { return PropertyValue(Storage(std::move(value))); }
PropertyValue PropertyValue::Picture(PictureRef value) { return PropertyValue(Storage(std::move(value))); }

PropertyValue::Kind PropertyValue::Type() const {
    switch (mValue.index()) {
        case 1: return Kind::Integer;
        case 2: return Kind::Boolean;
        case 3: return Kind::String;
        case 4: return Kind::Color;
        case 5: return Kind::Font;
        case 6: return Kind::Picture;
        default: return Kind::Empty;
    }
}

std::optional<std::int32_t> PropertyValue::AsInteger() const {
    return std::visit(Overloaded{
                          [](std::monostate) -> std::optional<std::int32_t> { return 0; },
                          [](std::int32_t v) -> std::optional<std::int32_t> { return v; },
                          [](BooleanValue v) -> std::optional<std::int32_t> { return v.value; },
                          [](const QString& v) { return IntegerFromText(v); },
                          [](ColorValue v) -> std::optional<std::int32_t> { return static_cast<std::int32_t>(v.value); },
                          [](const FontRef&) -> std::optional<std::int32_t> { return std::nullopt; },
                          [](const PictureRef&) -> std::optional<std::int32_t> { return std::nullopt; },
                      },
                      mValue);
}

std::optional<std::int16_t> PropertyValue::AsShort() const {
    const auto value = AsInteger();
    if (!value || *value < std::numeric_limits<std::int16_t>::min() || *value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(*value);
}

std::optional<std::int16_t> PropertyValue::AsBoolean() const {
    if (const auto* text = std::get_if<QString>(&mValue)) {
        const QString t = text->trimmed();
        if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return kTrue;
        if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return kFalse;
    }
    const auto number = AsInteger();
    if (!number) return std::nullopt;
    return ToBoolean(*number != 0);
}

std::optional<QString> PropertyValue::AsString() const {
    return std::visit(Overloaded{
                          [](std::monostate) -> std::optional<QString> { return QString(); },
                          [](std::int32_t v) -> std::optional<QString> { return QString::number(v); },
                          [](BooleanValue v) -> std::optional<QString> {
                              return IsTrue(v.value) ? QStringLiteral("True") : QStringLiteral("False");
                          },
                          [](const QString& v) -> std::optional<QString> { return v; },
                          [](ColorValue v) -> std::optional<QString> { return QString::number(v.value); },
                          [](const FontRef&) -> std::optional<QString> { return std::nullopt; },
                          [](const PictureRef&) -> std::optional<QString> { return std::nullopt; },
                      },
                      mValue);
}

std::optional<std::uint32_t> PropertyValue::AsColor() const {
    if (const auto* color = std::get_if<ColorValue>(&mValue)) return color->value;
    const auto number = AsInteger();
    if (!number) return std::nullopt;
    return static_cast<std::uint32_t>(*number);
}

std::optional<FontRef> PropertyValue::AsFont() const {
    if (std::holds_alternative<std::monostate>(mValue)) return FontRef();
    if (const auto* font = std::get_if<FontRef>(&mValue)) return *font;
    return std::nullopt;
}

std::optional<PictureRef> PropertyValue::AsPicture() const {
    if (std::holds_alternative<std::monostate>(mValue)) return PictureRef();
    if (const auto* picture = std::get_if<PictureRef>(&mValue)) return *picture;
    return std::nullopt;
}

bool PropertyValue::SameAs(const PropertyValue& other) const {
    if (mValue.index() != other.mValue.index()) return false;
    return std::visit(Overloaded{
                          [](std::monostate) { return true; },
                          [&](std::int32_t v) { return v == std::get<std::int32_t>(other.mValue); },
                          [&](BooleanValue v) { return v.value == std::get<BooleanValue>(other.mValue).value; },
                          [&](const QString& v) { return v == std::get<QString>(other.mValue); },
                          [&](ColorValue v) { return v.value == std::get<ColorValue>(other.mValue).value; },
                          [&](const FontRef& v) {
                              const auto& w = std::get<FontRef>(other.mValue);
                              return v == w || (v && w && v->SameAs(*w));
                          },
                          [&](const PictureRef& v) {
                              const auto& w = std::get<PictureRef>(other.mValue);
                              return v == w || (IsEmptyPicture(v) && IsEmptyPicture(w)) || (v && w && v->SameAs(*w));
                          },
                      },
                      mValue);
}

PropertyValue PropertyValue::Detached() const {
    if (const auto* font = std::get_if<FontRef>(&mValue)) return Font(*font ? (*font)->Clone() : FontRef());
    if (const auto* picture = std::get_if<PictureRef>(&mValue))
        return Picture(*picture ? std::make_shared<PictureObject>(**picture) : PictureRef());
    return *this;
}

}  // namespace tirnel
