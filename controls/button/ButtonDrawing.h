#pragma once
// The small drawing helpers the button's looks are built from, on the button's surface, in
// plain RGB colours.

#include "platform/Colors.h"
#include "platform/Surface.h"

namespace tirnel {

// A 1-pixel line; the end point itself is not painted.
void DrawLine(Surface& surface, int X1, int Y1, int X2, int Y2, Color Colour);
// A 1-pixel frame inside the rectangle (X, Y, X + Width, Y + Height).
void FrameBox(Surface& surface, int X, int Y, int Width, int Height, Color Colour);
// A linear gradient over (X, Y, Width, Height) from Colour1 to Colour2 in a direction of
// GradientDirections: horizontal puts Colour1 at the left, vertical at the top, diagonal
// down at the top left, diagonal up at the bottom left. Entry i of the ramp of n + 1 is, per
// channel, from + i × (to - from) / n truncated; a one-entry ramp is the sum of both halves.
// Any other direction paints the rectangle black; an empty rectangle paints nothing.
void PaintGradient(Surface& surface, int X, int Y, int Width, int Height, Color Colour1, Color Colour2,
                   int Direction);

}  // namespace tirnel
