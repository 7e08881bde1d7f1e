#pragma once
// The number at the start of a text, read the way the size box and the descriptor are
// read: leading blanks skipped, an optional sign, digits (blanks between them ignored), an
// optional fraction; anything after that ends the number.

#include <cstdint>
#include <optional>
#include <string_view>

namespace tirnel {

struct LeadingNumber {
    bool negative = false;
    std::uint64_t whole = 0;     // the integer part
    bool tooLarge = false;       // the integer part does not fit in 64 bits
    long double fraction = 0;    // in [0, 1)

    bool IsBelowOne() const { return negative || (whole == 0 && !tooLarge); }
};

LeadingNumber ReadLeadingNumber(std::string_view text);

// number × 1024 to the nearest byte (ties to even), × 1024 again for megabytes.
// Empty when the result would not fit in a signed 64-bit integer.
std::optional<std::int64_t> SizeInBytes(const LeadingNumber& number, bool megabytes);

// The number rounded to the nearest integer, ties to even; empty beyond 64 bits.
std::optional<std::int64_t> RoundedNumber(const LeadingNumber& number);

}  // namespace tirnel
