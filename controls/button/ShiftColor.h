#pragma once
// Lightens (positive amount) or darkens (negative amount) an RGB colour: each channel moves by
// amount × 255, rounded to the nearest with ties to even, and is kept within 0..255.

#include "platform/Colors.h"

namespace tirnel {

// The amount is single precision, as the styles give it; it is widened to double before the
// product, so 0.3 × 255 comes out a little above 76.5 and rounds up.
Color ShiftColor(Color colour, float amount);

}  // namespace tirnel
