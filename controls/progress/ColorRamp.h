#pragma once
// Linear colour ramps for the four-colour gradient: n + 1 colour triples from one colour to
// another, each channel stepping by a single-precision step and rounded to the nearest, ties to
// even.

#include "platform/ColorChannels.h"

#include <cstdint>
#include <vector>

namespace tirnel {

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
