#pragma once
// Linear colour ramps for the four-colour gradient: n + 1 colour triples from one colour to
// another, each channel stepping by a single-precision step and rounded to the nearest, ties to
// even.

#include "platform/Colors.h"

#include <cstdint>
#include <vector>

namespace tirnel {

// One pixel of a 24-bit bitmap, in its byte order.
struct ColorTriple {
    std::uint8_t Blue = 0;
    std::uint8_t Green = 0;
    std::uint8_t Red = 0;
    friend bool operator==(const ColorTriple&, const ColorTriple&) = default;
};
static_assert(sizeof(ColorTriple) == 3);

// The channels of a colour value as passed (no translation of system colours).
constexpr int GetRed(Color c) { return static_cast<int>(c & 0xFFu); }
constexpr int GetGreen(Color c) { return static_cast<int>((c & 0xFF00u) / 256); }
constexpr int GetBlue(Color c) { return static_cast<int>((c & 0xFF0000u) / 65536); }
constexpr ColorTriple TripleOf(Color c) {
    return {static_cast<std::uint8_t>(GetBlue(c)), static_cast<std::uint8_t>(GetGreen(c)),
            static_cast<std::uint8_t>(GetRed(c))};
}

// difference / n in single precision; 0 when either is 0.
float RampStep(int difference, std::int64_t n);

// The per-channel steps of a ramp from `from` to `to` over n steps.
struct RampSteps {
    float red = 0;
    float green = 0;
    float blue = 0;
};
RampSteps RampStepsOf(const ColorTriple& from, const ColorTriple& to, std::int64_t n);

// Entry i of that ramp: each channel nearest(step * i + from), with the single-precision step
// widened to double before the product.
ColorTriple RampEntry(const ColorTriple& from, const RampSteps& steps, std::int64_t i);

// Fills ramp with entries 0..n (n + 1 of them); entry n equals `to` up to the rounding.
// n must not be negative.
void BuildColorRamp(std::vector<ColorTriple>& ramp, std::int32_t n, const ColorTriple& from, const ColorTriple& to);

}  // namespace tirnel
