#pragma once
// Size arithmetic that says so instead of overflowing: every size and offset of a set is a
// signed 64-bit count of bytes, and a crafted descriptor can ask for anything.

#include <cstdint>
#include <limits>
#include <optional>

namespace tirnel {

// ⌈a / b⌉ for a >= 0 and b > 0, without the a + b - 1 that overflows near the top.
constexpr std::int64_t CeilDiv(std::int64_t a, std::int64_t b) { return a / b + (a % b != 0 ? 1 : 0); }

// a × b and a + b for a, b >= 0; empty when the result does not fit.
constexpr std::optional<std::int64_t> CheckedMul(std::int64_t a, std::int64_t b) {
    if (a != 0 && b > std::numeric_limits<std::int64_t>::max() / a) return std::nullopt;
    return a * b;
}
constexpr std::optional<std::int64_t> CheckedAdd(std::int64_t a, std::int64_t b) {
    if (b > std::numeric_limits<std::int64_t>::max() - a) return std::nullopt;
    return a + b;
}

}  // namespace tirnel
