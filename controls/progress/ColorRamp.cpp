#include "controls/progress/ColorRamp.h"

#include "platform/Nearest.h"

#include <algorithm>

namespace tirnel {

namespace {

std::uint8_t RampChannel(int from, float step, std::int64_t i) {
    const std::int32_t value = Nearest(static_cast<double>(step) * static_cast<double>(i) + from);
    return static_cast<std::uint8_t>(ClampChannel(value));
}

}  // namespace

float RampStep(int difference, std::int64_t n) {
    if (difference == 0 || n == 0) return 0.0f;
    return static_cast<float>(static_cast<double>(difference) / static_cast<double>(n));
}

RampSteps RampStepsOf(const ColorTriple& from, const ColorTriple& to, std::int64_t n) {
    return {RampStep(to.Red - from.Red, n), RampStep(to.Green - from.Green, n), RampStep(to.Blue - from.Blue, n)};
}

ColorTriple RampEntry(const ColorTriple& from, const RampSteps& steps, std::int64_t i) {
    return {RampChannel(from.Blue, steps.blue, i), RampChannel(from.Green, steps.green, i),
            RampChannel(from.Red, steps.red, i)};
}

void BuildColorRamp(std::vector<ColorTriple>& ramp, std::int32_t n, const ColorTriple& from, const ColorTriple& to) {
    const std::int32_t count = std::max(n, 0);
    ramp.resize(static_cast<std::size_t>(count) + 1);
    const RampSteps steps = RampStepsOf(from, to, count);
    for (std::int32_t i = 0; i <= count; ++i) ramp[static_cast<std::size_t>(i)] = RampEntry(from, steps, i);
}

}  // namespace tirnel
