#pragma once
// A colour value's three channels: taking them apart and putting them together. Values are
// 0x00BBGGRR (red in the low byte); the channels are read from the bytes as they stand, so a
// system colour (0x800000nn) is not translated first.

#include <cstdint>

namespace tirnel {

using Color = std::uint32_t;

// A channel value as a colour takes it: above 255 is 255, below 0 is 0.
constexpr int ClampChannel(std::int64_t value) {
    return static_cast<int>(value < 0 ? 0 : (value > 255 ? 255 : value));
}

// A plain colour from three channels, each clamped to 0..255.
constexpr Color RGB(int red, int green, int blue) {
    return static_cast<Color>(ClampChannel(red)) | (static_cast<Color>(ClampChannel(green)) << 8) |
           (static_cast<Color>(ClampChannel(blue)) << 16);
}

constexpr int GetRed(Color c) { return static_cast<int>(c & 0xFFu); }
constexpr int GetGreen(Color c) { return static_cast<int>((c & 0xFF00u) / 256); }
constexpr int GetBlue(Color c) { return static_cast<int>((c & 0xFF0000u) / 65536); }

// One pixel of a 24-bit bitmap, in its byte order.
struct ColorTriple {
    std::uint8_t Blue = 0;
    std::uint8_t Green = 0;
    std::uint8_t Red = 0;
    friend bool operator==(const ColorTriple&, const ColorTriple&) = default;
};
static_assert(sizeof(ColorTriple) == 3);

constexpr ColorTriple TripleOf(Color c) {
    return {static_cast<std::uint8_t>(GetBlue(c)), static_cast<std::uint8_t>(GetGreen(c)),
            static_cast<std::uint8_t>(GetRed(c))};
}

}  // namespace tirnel
