#pragma once
// The greyed look of a disabled button's picture.

#include "platform/PictureObject.h"
#include "platform/Surface.h"

#include <cstdint>
#include <vector>

namespace tirnel {

// Sets each group of three bytes at offsets 0, 3, 6, ... (the last group starting 4 bytes
// before the end) to their average, truncated. The groups follow the byte stream, not the
// rows, so a row's padding joins a group wherever a row is not a multiple of 4 bytes.
void GreyByteStream(std::vector<std::uint8_t>& bytes);

// Draws the picture greyed at (x, y) in width x height (-1 for the picture's own): its mask
// ANDed, then its greyed colour bits ORed, so the background shows where the mask is white.
// A bitmap has no mask and comes out opaque. True when the last transfer drew.
bool DrawPictureDisabled(Surface& surface, const PictureObject& image, int x, int y, int width, int height);

}  // namespace tirnel
