#pragma once
// A piece size as a person writes it, for tirnel-cli's `split` and for text pasted into the
// window's size box: whole digits with an optional unit suffix K, KB, M or MB (any letter
// case, no space). Nothing is guessed: anything else is refused with the part that was not
// understood.

#include <optional>
#include <string>
#include <string_view>

namespace tirnel {

struct SizeArgument {
    // The digits as typed, leading zeros kept: what the descriptor stores as its size text,
    // the same kind of text the window's size box holds, so any reader of the set reads it.
    std::string digits;
    // The unit the suffix names: true for M/MB, false for K/KB; empty without a suffix.
    std::optional<bool> megabytes;
    // Why the argument was refused (empty when it was understood).
    std::string error;
};

SizeArgument ParseSizeArgument(std::string_view text);

// The refusal when the suffix names another unit than --unit.
std::string UnitDisagreement(std::string_view text, bool suffixMegabytes);

}  // namespace tirnel
