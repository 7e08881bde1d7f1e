#pragma once
// The piece size as a split takes it: the text the descriptor keeps as the user gave it
// ("007", "1.5"), its unit, and what it means in bytes, read once by the front end that took it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tirnel {

struct PieceSize {
    std::string text;
    bool megabytes = false;
    bool belowOne = false;              // the number is below 1: "0", "", "-3"
    std::optional<std::int64_t> bytes;  // empty when it does not fit in 64 bits

    // The size box's reading: the decimal number at the start of `text` (blanks between the
    // digits ignored, an optional fraction), × 1024 to the nearest byte, × 1024 again for MB.
    static PieceSize Read(std::string_view text, bool megabytes);
};

}  // namespace tirnel
