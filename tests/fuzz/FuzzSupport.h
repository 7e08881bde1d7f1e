#pragma once
// What both fuzz targets share: stopping on a broken invariant, and values drawn from the input.

#include <cstdint>
#include <cstdio>
#include <limits>
#include <string_view>

namespace tirnel::fuzz {

inline constexpr std::int64_t kMaxSize = std::numeric_limits<std::int64_t>::max();

// A broken invariant is a finding: say which one, and stop the way a crash does, so that
// libFuzzer keeps the input.
inline void Require(bool holds, const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
    if (holds) return;
    std::fprintf(stderr, "invariant broken at %s:%d\n", file, line);
    __builtin_trap();
}

// A 64-bit value that follows every byte of the input (FNV-1a), for the sizes and counts the
// input does not spell out itself.
inline std::uint64_t HashOf(std::string_view bytes) {
    std::uint64_t h = 14695981039346656037ULL;
    for (char c : bytes) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ULL;
    }
    return h;
}

// A positive 64-bit size from a hash, spread over every magnitude: small values as often as
// values near the top.
inline std::int64_t SizeFrom(std::uint64_t hash) {
    const std::uint64_t v = (hash >> (hash % 64)) & static_cast<std::uint64_t>(kMaxSize);
    return v == 0 ? 1 : static_cast<std::int64_t>(v);
}

}  // namespace tirnel::fuzz
