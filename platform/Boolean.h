#pragma once
// The 16-bit boolean every control member and public surface uses: True is -1, False 0.

#include <cstdint>

namespace tirnel {

inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

// Any non-zero value counts as True.
constexpr std::int16_t ToBoolean(bool value) { return value ? kTrue : kFalse; }
constexpr bool IsTrue(std::int16_t value) { return value != 0; }

}  // namespace tirnel
