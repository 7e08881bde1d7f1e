#pragma once
// The bar's own colour arithmetic. Both functions work on the raw 32-bit number as a signed
// value: system colours (high bit set) are not translated first, so their channels come out of
// remainders that keep the sign of the number.

#include "platform/Colors.h"

#include <cstdint>

namespace tirnel {

// Each channel plus `amount`, taken as its absolute value and saturated at 255. Red is the
// signed remainder of c by 256, green the signed remainder of (c without its low byte) / 256
// by 256, blue (c AND 0xFF0000) / 65536. LightenColor(RGB(0,128,255), 180) = RGB(180,255,255).
Color LightenColor(Color c, std::int32_t amount);

// One grey level for a colour: a = c mod 256 (sign kept), b = nearest((c mod 65536) / 256),
// d = nearest(c / 65536), v = nearest((a + b + d) / 3), all divisions exact before rounding.
// GreyOf(RGB(200,100,50)) = RGB(117,117,117); GreyOf(RGB(255,0,0)) = RGB(85,85,85).
Color GreyOf(Color c);

}  // namespace tirnel
