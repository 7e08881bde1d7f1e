#include "controls/progress/BarCaption.h"

#include "controls/progress/ProgressEnums.h"

#include <array>
#include <charconv>

namespace tirnel {

namespace {

constexpr int kSignificantDigits = 15;

}  // namespace

QString PercentText(std::optional<double> percent, QChar decimalSeparator) {
    QString number;
    if (percent) {
        // General notation: fixed for ordinary magnitudes, an exponent for tiny or huge ones;
        // trailing zeros and a bare separator are dropped. to_chars does not depend on the C
        // locale, so the separator is put in by hand.
        std::array<char, 64> digits{};
        const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), *percent,
                                          std::chars_format::general, kSignificantDigits);
        number = QString::fromLatin1(digits.data(), static_cast<qsizetype>(result.ptr - digits.data()));
        number = number.toUpper();
        number.replace(u'.', decimalSeparator);
    }
    return number + u'%';
}

std::optional<QString> BarCaption(std::int32_t textStyle, std::int32_t value, std::optional<double> percent,
                                  const QString& text, QChar decimalSeparator) {
    switch (textStyle) {
        case TextValue: return QString::number(value);
        case TextPercent: return PercentText(percent, decimalSeparator);
        case TextCustom: return text;
        default: return std::nullopt;
    }
}

}  // namespace tirnel
