// The small drawing helpers the looks are built from: a line, a frame, a gradient.

#include "controls/button/ButtonDrawing.h"

#include "controls/button/ButtonEnums.h"
#include "controls/button/CaptionLayout.h"
#include "platform/DibBuffer.h"

#include <algorithm>
#include <vector>

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

// Fills the buffer with the ramp of n + 1 entries as seen from column x0 and row y0 of the
// whole rectangle of height h. Entry i at image row r and column x is a row part plus a column part;
// only the entries the buffer's pixels use are worked out, once each.
void FillRamp(DibBuffer& buffer, int Direction, std::int64_t x0, std::int64_t y0, std::int64_t h, std::int64_t n,
              Color Colour1, Color Colour2) {
    const bool byColumn = Direction != GradientVertical;
    const bool byRow = Direction != GradientHorizontal;
    const auto rowPart = [=](std::int64_t r) { return !byRow ? 0 : Direction == GradientDiagonalUp ? h - 1 - r : r; };
    const auto columnPart = [=](std::int64_t x) { return byColumn ? x : 0; };
    const std::int64_t firstRow = y0, lastRow = y0 + buffer.Rows() - 1;
    const std::int64_t lowest = std::min(rowPart(firstRow), rowPart(lastRow)) + columnPart(x0);
    const std::int64_t highest = std::max(rowPart(firstRow), rowPart(lastRow)) + columnPart(x0 + buffer.Width() - 1);
    std::vector<Color> ramp(static_cast<std::size_t>(highest - lowest + 1));
    for (std::int64_t k = lowest; k <= highest; ++k) {
        ramp[static_cast<std::size_t>(k - lowest)] =
            RGB(RampChannel(GetRed(Colour1), GetRed(Colour2), k, n),
                RampChannel(GetGreen(Colour1), GetGreen(Colour2), k, n),
                RampChannel(GetBlue(Colour1), GetBlue(Colour2), k, n));
    }
    for (int row = 0; row < buffer.Rows(); ++row) {
        const std::int64_t rowIndex = rowPart(firstRow + row) - lowest;
        for (int col = 0; col < buffer.Width(); ++col)
            buffer.SetPixel(col, row, ramp[static_cast<std::size_t>(rowIndex + columnPart(x0 + col))]);
    }
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
    // Any other direction leaves the buffer zero: black.
    if (Direction >= GradientHorizontal && Direction <= GradientDiagonalUp)
        FillRamp(buffer, Direction, left - X, top - Y, h, n, Colour1, Colour2);
    surface.StretchDIBits(static_cast<int>(left), static_cast<int>(top), visibleWidth, visibleHeight, 0, 0,
                          visibleWidth, visibleHeight, buffer.Bits(), buffer.Header(), kDibRgbColors, kSrcCopy);
}

}  // namespace tirnel
