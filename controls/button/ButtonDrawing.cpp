// The small drawing helpers the looks are built from: a line, a frame, a gradient.

#include "controls/button/ButtonDrawing.h"

#include "controls/button/ButtonEnums.h"
#include "controls/button/CaptionLayout.h"
#include "platform/DibBuffer.h"

#include <algorithm>

namespace tirnel {

void DrawLine(Surface& surface, int X1, int Y1, int X2, int Y2, Color Colour) {
    const Color previous = surface.SetPenColor(Colour);
    surface.MoveToEx(X1, Y1);
    surface.LineTo(X2, Y2);
    surface.SetPenColor(previous);
}

void FrameBox(Surface& surface, int X, int Y, int Width, int Height, Color Colour) {
    const std::int64_t right = static_cast<std::int64_t>(X) + Width;
    const std::int64_t bottom = static_cast<std::int64_t>(Y) + Height;
    surface.FrameRect(ToSurfaceRect(WideRect{X, Y, right, bottom}), Colour);
}

namespace {

// Entry i of a ramp of n + 1 entries from one channel value to another; with n = 0 the one
// entry is the sum of both halves.
int RampChannel(int from, int to, std::int64_t i, std::int64_t n) {
    if (n == 0) return from / 2 + to / 2;
    return static_cast<int>(from + (i * (to - from)) / n);
}

}  // namespace

// Only the part of the rectangle that lies on the surface is built and transferred: the same
// pixels as the whole, without allocating for what would be clipped away.
void PaintGradient(Surface& surface, int X, int Y, int Width, int Height, Color Colour1, Color Colour2,
                   int Direction) {
    if (Width <= 0 || Height <= 0) return;
    const std::int64_t w = Width, h = Height;
    const std::int64_t n = Direction == GradientHorizontal ? w - 1 : Direction == GradientVertical ? h - 1 : w + h - 2;
    const std::int64_t left = std::max<std::int64_t>(X, 0);
    const std::int64_t top = std::max<std::int64_t>(Y, 0);
    const std::int64_t right = std::min<std::int64_t>(static_cast<std::int64_t>(X) + w, surface.Width());
    const std::int64_t bottom = std::min<std::int64_t>(static_cast<std::int64_t>(Y) + h, surface.Height());
    if (right <= left || bottom <= top) return;
    const int visibleWidth = static_cast<int>(right - left);
    const int visibleHeight = static_cast<int>(bottom - top);
    DibBuffer buffer(visibleWidth, visibleHeight, 32);
    if (buffer.IsEmpty()) return;
    const bool known = Direction >= GradientHorizontal && Direction <= GradientDiagonalUp;
    for (int row = 0; known && row < visibleHeight; ++row) {
        const std::int64_t r = top + row - Y;  // image row of the whole rectangle, from the top
        for (int col = 0; col < visibleWidth; ++col) {
            const std::int64_t x = left + col - X;
            std::int64_t i = 0;
            switch (Direction) {
                case GradientHorizontal: i = x; break;
                case GradientVertical: i = r; break;
                case GradientDiagonalDown: i = r + x; break;
                default: i = (h - 1 - r) + x; break;
            }
            buffer.SetPixel(col, row,
                            RGB(RampChannel(GetRed(Colour1), GetRed(Colour2), i, n),
                                RampChannel(GetGreen(Colour1), GetGreen(Colour2), i, n),
                                RampChannel(GetBlue(Colour1), GetBlue(Colour2), i, n)));
        }
    }
    surface.StretchDIBits(static_cast<int>(left), static_cast<int>(top), visibleWidth, visibleHeight, 0, 0,
                          visibleWidth, visibleHeight, buffer.Bits(), buffer.Header(), kDibRgbColors, kSrcCopy);
}

}  // namespace tirnel
