#include "tools/render/PropertyArguments.h"

#include <QImage>
#include <QRegularExpression>
#include <QStringList>
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

std::optional<PictureSetting> ParsePictureSetting(const QString& text) {
    const bool bitmap = text.startsWith(QLatin1String("bitmap:"));
    const bool icon = text.startsWith(QLatin1String("icon:"));
    if (!bitmap && !icon) return std::nullopt;
    const QStringList files = text.mid(text.indexOf(u':') + 1).split(u':');
    if (files.size() > (icon ? 2 : 1) || files.front().isEmpty())
        return PictureSetting{nullptr, QStringLiteral("%1 takes %2").arg(text.section(u':', 0, 0),
                                                                          icon ? "icon:FILE[:MASK]" : "bitmap:FILE")};
    QImage image(files.front());
    if (image.isNull()) return PictureSetting{nullptr, QStringLiteral("cannot read the picture %1").arg(files.front())};
    if (bitmap) return PictureSetting{PictureObject::Bitmap(image.convertToFormat(QImage::Format_RGB32)), {}};
    QImage mask;
    if (files.size() == 2) {
        mask = QImage(files.back());
        if (mask.isNull()) return PictureSetting{nullptr, QStringLiteral("cannot read the mask %1").arg(files.back())};
        if (mask.size() != image.size())
            return PictureSetting{nullptr, QStringLiteral("the mask %1 is not the size of its icon").arg(files.back())};
    }
    return PictureSetting{PictureObject::Icon(std::move(image), std::move(mask)), {}};
}

bool AddSetting(PropertyBag& bag, const QString& setting, QString* problem) {
    const qsizetype equals = setting.indexOf(u'=');
    if (equals <= 0) {
        if (problem) *problem = QStringLiteral("--set takes Key=Value");
        return false;
    }
    const QString text = setting.mid(equals + 1);
    if (const std::optional<PictureSetting> picture = ParsePictureSetting(text)) {
        if (!picture->picture) {
            if (problem) *problem = picture->problem;
            return false;
        }
        bag.WriteProperty(setting.left(equals), PropertyValue::Picture(picture->picture));
        return true;
    }
    bag.WriteProperty(setting.left(equals), ParseSettingValue(text));
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

std::optional<double> ParseScale(const QString& text) {
    static const QRegularExpression kNumber(QStringLiteral("^\\d+(\\.\\d+)?$"));
    if (!kNumber.match(text).hasMatch()) return std::nullopt;
    const double scale = text.toDouble();
    if (scale < 1 || scale > kMaxScale) return std::nullopt;
    return scale;
}

QString ScaleProblem() { return QStringLiteral("--scale takes a number from 1 to %1 (2, 1.5)").arg(kMaxScale); }

}  // namespace tirnel::render
