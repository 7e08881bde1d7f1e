#pragma once
// The greyed look of a disabled button's picture.

#include "platform/PictureObject.h"
#include "platform/Surface.h"

#include <cstdint>
#include <vector>

namespace tirnel {

// Greys the pixels of 24-bit bitmap bits of the width, rows padded to 4 bytes: each pixel's
// three bytes become their average, truncated; the padding stays as it is. A pixel is greyed
// when it starts at least 4 bytes before the end of the bits, so in a picture whose rows need
// no padding the very last pixel (the top row's last: the bits run bottom row first) keeps
// its colour, as it always has.
void GreyPixels(std::vector<std::uint8_t>& bytes, int width);

// Draws the picture greyed at (x, y) in width x height (-1 for the picture's own): its mask
// ANDed, then its greyed colour bits ORed, so the background shows where the mask is white.
// A bitmap has no mask and comes out opaque. True when the last transfer drew.
bool DrawPictureDisabled(Surface& surface, const PictureObject& image, int x, int y, int width, int height);

}  // namespace tirnel
