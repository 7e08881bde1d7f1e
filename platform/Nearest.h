#pragma once
// Conversion of a floating value to a whole number as the controls do it everywhere: to the
// nearest integer, ties to even (8.5 becomes 8, 9.5 becomes 10), in the default rounding mode.

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace tirnel {

// The same, or nothing when the result does not fit in 32 bits (or the value is NaN): the
// conversion fails as a whole.
inline std::optional<std::int32_t> NearestChecked(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= static_cast<double>(std::numeric_limits<std::int32_t>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<std::int32_t>::max())))
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

// For quantities bounded by construction: values beyond the 32-bit range saturate at its
// ends, NaN gives 0.
inline std::int32_t Nearest(double value) {
    if (std::isnan(value)) return 0;
    const double rounded = std::nearbyint(value);
    if (rounded >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (rounded <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(rounded);
}

}  // namespace tirnel
