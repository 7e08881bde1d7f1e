#pragma once
// The checksum file beside a numbered set, in the formats other tools write: `sha256sum` and
// `md5sum` lines (NAME.sha256, SHA256SUMS, NAME.md5, MD5SUMS), an SFV file of CRC32 lines
// (NAME.sfv), or the record of a file's name, size and CRC32 that some splitters leave
// (NAME.crc: "filename=…", "size=…", "crc32=…"), NAME being the set's name without the number.
// The first of these beside the set that names its pieces or the file they rebuild is used.

#include "pieceset/NumberedSet.h"
#include "pieceset/SetChecksums.h"
#include "platform/io/Digest.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tirnel {

struct NumberedChecksums {
    std::string fileName;                      // the checksum file used
    HashKind kind = HashKind::Sha256;
    std::vector<DigestBytes> pieces;           // every piece's, when it lists the pieces
    std::optional<DigestBytes> whole;          // the rebuilt file's, when it names that
    std::optional<std::int64_t> wholeSize;     // the rebuilt file's size, when it records it
    std::string recordedName;                  // the rebuilt file's name, when it records it
};

// Looks for the set's checksum file. Loaded: `checksums` says what it gives; Absent: none
// beside the set names it; Bad: one does but cannot be trusted (`failure`, ending in `ending`).
ChecksumsFound LoadNumberedChecksums(const NumberedSet& set, const std::string& ending, NumberedChecksums& checksums,
                                     std::string& failure);

// One line of an SFV file: "name CRC32" (8 hex digits after the last blank); comments (";")
// and blank lines hold nothing. Empty for a line that is neither.
struct SfvLine {
    std::string name;
    DigestBytes crc{};
};
enum class SfvRead { Line, Nothing, Bad };
SfvRead ReadSfvLine(std::string_view line, SfvLine& read);

}  // namespace tirnel
