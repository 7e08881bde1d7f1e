#pragma once
// A numbered set as a merge or a check takes it: its pieces, what its checksum file gives, and
// the name of the file it rebuilds, after every check that needs no piece to be read.

#include "pieceset/NumberedChecksums.h"
#include "pieceset/NumberedSet.h"

#include <filesystem>
#include <optional>
#include <string>

namespace tirnel {

struct NumberedSource {
    NumberedSet set;
    NumberedChecksums checksums;
    bool verified = false;   // a checksum file of the set was found: what is read is checked
    std::string outputName;  // the set's name without the number, or the name its .crc records
};

// The set of the piece named `pieceName` in `folder`. Empty, with the notice in `failure`
// (ending in `ending`), when the set is incomplete, its checksum file cannot be trusted, its
// pieces are not of one size and no checksum file lists them, or its pieces do not add up to
// the size a checksum file records.
std::optional<NumberedSource> OpenNumberedSet(const std::filesystem::path& folder, const NumberedName& pieceName,
                                              const std::string& ending, std::string& failure);

}  // namespace tirnel
