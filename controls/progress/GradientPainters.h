#pragma once
// The bar's two gradient painters. Both take the channels from the low three bytes of the
// colour values as passed and draw on the surface they are given; neither keeps state.

#include "platform/Colors.h"
#include "platform/Surface.h"

#include <cstdint>

namespace tirnel {

// What DrawGradientFourColour ends with: drawn, or stopped by the platform's invalid-array-size
// or overflow error.
enum class GradientStatus { Done, InvalidArraySize, Overflow };

// The same 16 bits in a signed field: v for v <= 32767, else v - 65536 (65280 becomes -256).
constexpr std::int16_t ToColor16(std::int32_t v) {
    return static_cast<std::int16_t>(v <= 32767 ? v : v - 65536);
}

// Fills (Left, Top)-(Width, Height) with a two-colour gradient through the surface's
// GradientFill. Width and Height are the right and bottom edges (exclusive), not an extent.
// Direction 0 runs the colour from left to right, 1 from top to bottom; it is handed on as it
// is, so any other value (or an empty rectangle) draws nothing.
void GradientTwoColour(Surface& hDc, std::int32_t Direction, Color StartColor, Color EndColor,
                       const std::int32_t& Left, const std::int32_t& Top, const std::int32_t& Width,
                       const std::int32_t& Height);

// Fills the Width x Height rectangle at (Left, Top) with a bilinear blend of four corner colours,
// one bottom-up 24-bit row bitmap per row, top row first. Down each side the colour ramps from
// the top to the bottom corner over Height steps, along each row from the left to the right
// side's colour over Width steps; the last step of each ramp is never drawn, so the bottom row
// and right column stop one step short of the corner colours. Height 0 draws nothing; Width <= 0
// or a negative Height draws nothing and reports InvalidArraySize; a row length of Width x 3
// bytes beyond 32 bits reports Overflow before drawing, a row Top + y beyond 32 bits reports it
// after the rows before it.
GradientStatus DrawGradientFourColour(Surface& ObjectHDC, const std::int32_t& Left, const std::int32_t& Top,
                                      const std::int32_t& Width, const std::int32_t& Height,
                                      Color TopLeftColour, Color TopRightColour, Color BottomLeftColour,
                                      Color BottomRightColour);

}  // namespace tirnel
