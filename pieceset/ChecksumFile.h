#pragma once
// The set's checksum file, NAME.hpe.sha256 beside the descriptor: one line per piece in
// order, then one for the descriptor, spelled the way GNU sha256sum writes them, so that
// `sha256sum -c NAME.hpe.sha256` in the set's folder checks the set without this program.

#include "platform/io/Digest.h"

#include <cstddef>
#include <cstdint>
#include <optional>
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

// One line of a checksum file (its LF taken off; a CR before it is ignored): "<hex>  name",
// "<hex> *name" (binary marker) or "SHA256 (name) = <hex>" ("MD5 (name) = <hex>"), optionally
// led by "\" for an escaped name; the hex is the kind's digest (64 digits for SHA-256, 32 for
// MD5) in either case. Empty for anything else: an empty line, a single space before the name,
// an empty name, an unknown escape, a NUL. This is what sha256sum and md5sum write and check.
std::optional<ChecksumLine> ReadChecksumLine(std::string_view line, HashKind kind = HashKind::Sha256);

// The longest line a checksum file may hold: a digest, a name of up to 255 bytes with every
// byte escaped, and the marks around them. The split never writes a longer one.
inline constexpr std::int64_t kMaxChecksumLineBytes = 1024;
// The largest checksum file of a set of `pieceCount` pieces: one line per piece and one for the
// descriptor, each at most kMaxChecksumLineBytes long with its line end. The split stays
// within it by construction; the merge and the check refuse anything larger unread.
std::int64_t MaxChecksumFileBytes(std::int64_t pieceCount);

struct ChecksumParse {
    std::vector<ChecksumLine> lines;
    std::size_t badLine = 0;  // 1-based; 0 when every line is good
};

// Reads a whole checksum file's text, line by line as above; a line ends in LF or CR LF, the
// last one possibly in neither. An empty text is bad, and so is an empty line other than
// after the final newline. The parse stops at the first bad line; `lines` is then empty.
ChecksumParse ParseChecksumFile(std::string_view text);

}  // namespace tirnel
