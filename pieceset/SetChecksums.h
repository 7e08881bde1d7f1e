#pragma once
// The checksum file beside a descriptor, as the merge and the check of a set read it: every
// piece's digest, after making sure the file is of this set and agrees with its descriptor.

#include "platform/io/Sha256.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tirnel {

enum class ChecksumsFound {
    Absent,  // no checksum file beside the descriptor: a set as the original program makes them
    Loaded,
    Bad,     // there is one, but it cannot be trusted: `failure` says why
};

// Reads DESCRIPTOR.sha256 beside `descriptorPath`. `pieces` gets the digest of piece 1 … N.
// Notices end in `ending` ("无法合并!" for a merge).
ChecksumsFound LoadSetChecksums(const std::filesystem::path& descriptorPath, std::string_view descriptorBytes,
                                std::int64_t pieceCount, const std::string& ending,
                                std::vector<Sha256Digest>& pieces, std::string& failure);

// "分割文件003.pe已损坏…": a piece whose bytes are not those the checksum file gives.
std::string DamagedPieceNotice(const std::string& pieceName);

}  // namespace tirnel
