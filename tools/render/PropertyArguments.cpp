#include "tools/render/PropertyArguments.h"

#include <QRegularExpression>
#include <QSize>

#include <limits>

namespace tirnel::render {

PropertyValue ParseSettingValue(const QString& text) {
    bool ok = false;
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        const qulonglong bits = text.mid(2).toULongLong(&ok, 16);
        if (ok && bits <= std::numeric_limits<std::uint32_t>::max())
            return PropertyValue::Integer(static_cast<std::int32_t>(static_cast<std::uint32_t>(bits)));
    }
    const int number = text.toInt(&ok, 10);
    if (ok) return PropertyValue::Integer(number);
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return PropertyValue::Boolean(-1);
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return PropertyValue::Boolean(0);
    return PropertyValue::String(text);
}

bool AddSetting(PropertyBag& bag, const QString& setting) {
    const qsizetype equals = setting.indexOf(u'=');
    if (equals <= 0) return false;
    bag.WriteProperty(setting.left(equals), ParseSettingValue(setting.mid(equals + 1)));
    return true;
}

std::optional<QSize> ParseSize(const QString& text) {
    static const QRegularExpression kSize(QStringLiteral("^(\\d+)[xX](\\d+)$"));
    const QRegularExpressionMatch match = kSize.match(text);
    if (!match.hasMatch()) return std::nullopt;
    bool okWidth = false;
    bool okHeight = false;
    const int width = match.captured(1).toInt(&okWidth);
    const int height = match.captured(2).toInt(&okHeight);
    if (!okWidth || !okHeight || width <= 0 || height <= 0) return std::nullopt;
    return QSize(width, height);
}

}  // namespace tirnel::render
