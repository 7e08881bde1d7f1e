#include "tools/render/PropertyListing.h"

#include "platform/Boolean.h"

namespace tirnel::render {

namespace {

QString FontText(const FontRef& font) {
    if (!font) return {};
    QStringList parts{font->Name(), QString::number(font->Size())};
    const std::pair<std::int16_t, const char*> flags[] = {
        {font->Bold(), "bold"},
        {font->Italic(), "italic"},
        {font->Underline(), "underline"},
        {font->Strikethrough(), "strikethrough"},
    };
    for (const auto& [set, name] : flags)
        if (IsTrue(set)) parts << QLatin1String(name);
    return QStringLiteral("Font(%1)").arg(parts.join(u','));
}

QString PictureText(const PictureRef& picture) {
    if (IsEmptyPicture(picture)) return {};
    return QStringLiteral("Picture(%1x%2)").arg(picture->Image().width()).arg(picture->Image().height());
}

}  // namespace

QString PropertyValueText(const PropertyValue& value) {
    switch (value.Type()) {
        case PropertyValue::Kind::Empty: return {};
        case PropertyValue::Kind::Integer: return QString::number(*value.AsInteger());
        case PropertyValue::Kind::Boolean:
            return IsTrue(*value.AsBoolean()) ? QStringLiteral("True") : QStringLiteral("False");
        case PropertyValue::Kind::String: return *value.AsString();
        case PropertyValue::Kind::Color:
            return QStringLiteral("0x") +
                   QStringLiteral("%1").arg(*value.AsColor(), 8, 16, QLatin1Char('0')).toUpper();
        case PropertyValue::Kind::Font: return FontText(*value.AsFont());
        case PropertyValue::Kind::Picture: return PictureText(*value.AsPicture());
    }
    return {};
}

QStringList ListProperties(const PropertyBag& bag) {
    QStringList lines;
    for (const QString& key : bag.Keys()) lines << key + u'=' + PropertyValueText(bag.ReadProperty(key));
    return lines;
}

}  // namespace tirnel::render
