#pragma once
// The set's checksum file, NAME.hpe.sha256 beside the descriptor: one line per piece in
// order, then one for the descriptor, spelled the way GNU sha256sum writes them, so that
// `sha256sum -c NAME.hpe.sha256` in the set's folder checks the set without this program.

#include "platform/io/Sha256.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tirnel {

inline std::string ChecksumFileNameOf(std::string_view descriptorFileName) {
    return std::string(descriptorFileName) + ".sha256";
}

struct ChecksumLine {
    std::string name;
    Sha256Digest digest{};

    bool operator==(const ChecksumLine&) const = default;
};

// "<64 lowercase hex>  <name>\n". A name holding a backslash, LF or CR is written as
// sha256sum writes it: the line starts with "\" and the name has "\\", "\n", "\r" for
// them. `name` is not empty and has no NUL.
std::string ChecksumLineText(std::string_view name, const Sha256Digest& digest);

struct ChecksumParse {
    std::vector<ChecksumLine> lines;
    std::size_t badLine = 0;  // 1-based; 0 when every line is good
};

// Reads a checksum file's text. Each line is "<hex>  name", "<hex> *name" (binary marker)
// or "SHA256 (name) = <hex>", optionally led by "\" for an escaped name; the hex is 64
// digits of either case; a line ends in LF or CR LF, the last one possibly in neither.
// Anything else is a bad line: an empty line (other than after the final newline), a
// single space before the name, an empty name, an unknown escape, a NUL, and an empty
// text. The parse stops at the first bad line; `lines` is then empty.
ChecksumParse ParseChecksumFile(std::string_view text);

}  // namespace tirnel
