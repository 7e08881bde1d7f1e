#include "controls/progress/GradientPainters.h"

#include "controls/progress/ColorRamp.h"
#include "platform/BitmapInfo.h"
#include "platform/DibBuffer.h"
#include "platform/Rect.h"

#include <algorithm>
#include <array>
#include <limits>

namespace tirnel {

namespace {

constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

// A gradient vertex at (x, y) with the colour's channels widened to 16 bits.
TriVertex VertexOf(std::int32_t x, std::int32_t y, Color color) {
    auto channel16 = [](int channel) { return static_cast<std::uint16_t>(ToColor16(channel * 256)); };
    return {x, y, channel16(GetRed(color)), channel16(GetGreen(color)), channel16(GetBlue(color)), 0};
}

}  // namespace

void GradientTwoColour(Surface& hDc, std::int32_t Direction, Color StartColor, Color EndColor,
                       const std::int32_t& Left, const std::int32_t& Top, const std::int32_t& Width,
                       const std::int32_t& Height) {
    const Rect rect{Left, Top, Width, Height};
    const std::array<TriVertex, 2> vertices = {VertexOf(rect.left, rect.top, StartColor),
                                               VertexOf(rect.right, rect.bottom, EndColor)};
    const std::array<GradientRect, 1> gradient = {GradientRect{0, 1}};
    // What the platform makes of an empty rectangle or an unknown mode is its own business.
    (void)hDc.GradientFill(vertices, gradient, static_cast<unsigned>(Direction));
}

GradientStatus DrawGradientFourColour(Surface& ObjectHDC, const std::int32_t& Left, const std::int32_t& Top,
                                      const std::int32_t& Width, const std::int32_t& Height,
                                      Color TopLeftColour, Color TopRightColour, Color BottomLeftColour,
                                      Color BottomRightColour) {
    if (Height < 0 || Width <= 0) return GradientStatus::InvalidArraySize;
    if (static_cast<std::int64_t>(Width) * 3 > kInt32Max) return GradientStatus::Overflow;
    if (Height == 0) return GradientStatus::Done;

    const ColorTriple topLeft = TripleOf(TopLeftColour);
    const ColorTriple topRight = TripleOf(TopRightColour);
    const RampSteps leftSide = RampStepsOf(topLeft, TripleOf(BottomLeftColour), Height);
    const RampSteps rightSide = RampStepsOf(topRight, TripleOf(BottomRightColour), Height);

    // Only the rows and columns that land on the surface are computed and transferred; every
    // ramp entry depends on its own index alone, so the pixels are those of whole rows.
    const std::int64_t firstRow = std::max<std::int64_t>(0, -static_cast<std::int64_t>(Top));
    const std::int64_t endRow = std::min<std::int64_t>({Height, static_cast<std::int64_t>(ObjectHDC.Height()) - Top,
                                                        kInt32Max - Top + 1});
    const std::int64_t firstColumn = std::max<std::int64_t>(0, -static_cast<std::int64_t>(Left));
    const std::int64_t endColumn = std::min<std::int64_t>(Width, static_cast<std::int64_t>(ObjectHDC.Width()) - Left);

    if (endColumn > firstColumn) {
        const auto columns = static_cast<std::int32_t>(endColumn - firstColumn);
        DibBuffer row(columns, 1, 24);
        for (std::int64_t y = firstRow; y < endRow; ++y) {
            const ColorTriple left = RampEntry(topLeft, leftSide, y);
            const ColorTriple right = RampEntry(topRight, rightSide, y);
            const RampSteps across = RampStepsOf(left, right, Width);
            for (std::int64_t x = firstColumn; x < endColumn; ++x) {
                const ColorTriple pixel = RampEntry(left, across, x);
                row.SetPixel(static_cast<int>(x - firstColumn), 0, RGB(pixel.Red, pixel.Green, pixel.Blue));
            }
            ObjectHDC.SetDIBitsToDevice(static_cast<int>(Left + firstColumn), static_cast<int>(Top + y), columns, 1, 0,
                                        0, 0, 1, row.Bits(), row.Header(), kDibRgbColors);
        }
    }
    if (static_cast<std::int64_t>(Top) + Height - 1 > kInt32Max) return GradientStatus::Overflow;
    return GradientStatus::Done;
}

}  // namespace tirnel
