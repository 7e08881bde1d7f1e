#pragma once
// Layouts are given in twips, 15 to a pixel at 96 dots per inch; a conversion to pixels
// rounds to the nearest pixel, ties to even.

#include <cmath>

namespace tirnel {

inline constexpr int kTwipsPerPixel = 15;

inline int TwipsToPixels(double twips) { return static_cast<int>(std::nearbyint(twips / kTwipsPerPixel)); }

}  // namespace tirnel
