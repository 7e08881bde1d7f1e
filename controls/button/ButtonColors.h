#pragma once
// Colour arithmetic of the button's looks, on plain RGB colours (0x00BBGGRR).

#include "platform/Colors.h"

namespace tirnel {

// Lightens (positive amount) or darkens (negative amount) a colour: each channel moves by
// amount × 255, rounded to the nearest with ties to even, and is kept within 0..255. The
// amount is single precision, as the styles give it; it is widened to double before the
// product, so 0.3 × 255 comes out a little above 76.5 and rounds up.
Color ShiftColor(Color color, float amount);

// The average of two colours, channel by channel, ties to even: 0 and 3 give 2, 0 and 5
// give 2.
Color MixColors(Color Colour1, Color Colour2);

}  // namespace tirnel
