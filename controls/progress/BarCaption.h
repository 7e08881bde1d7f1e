#pragma once
// Which text the bar shows, chosen by TextStyle, and how its numbers are written.

#include <QString>

#include <cstdint>
#include <optional>

namespace tirnel {

// A percentage rounded to 15 significant digits, without trailing zeros or a trailing decimal
// separator, with the user's decimal separator, then "%": 50 gives "50%", 100 / 3 gives
// "33.3333333333333%". Very small values use an exponent ("4.6566128752458E-08%").
// No percentage (it could not be computed) gives "%" alone.
QString PercentText(std::optional<double> percent, QChar decimalSeparator);

// TextValue: Value as a decimal integer; TextPercent: PercentText; TextCustom: Text. Any other
// style shows no text (std::nullopt).
std::optional<QString> BarCaption(std::int32_t textStyle, std::int32_t value, std::optional<double> percent,
                                  const QString& text, QChar decimalSeparator);

}  // namespace tirnel
