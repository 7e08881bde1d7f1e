#pragma once
// The checksum file beside a descriptor, as the merge and the check of a set read it: first
// checked whole (every line well formed, the descriptor's line, each piece once), then read
// again as the run goes for each piece's digest. It is read as a stream through one fixed
// buffer, so memory stays small whatever the number of pieces; only a file that lists the
// pieces out of order is held in memory, and only for sets of up to kMaxUnorderedPieces.

#include "platform/io/LineReader.h"
#include "platform/io/Digest.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tirnel {

enum class ChecksumsFound {
    Absent,   // no checksum file beside the descriptor: a set as the original program makes them
    Loaded,
    Foreign,  // its descriptor line is not this descriptor's: another set's file, left from before
    Bad,      // this set's, but it cannot be trusted: `failure` says why
};

class SetChecksums {
public:
    // The most pieces whose lines may come in any order.
    static constexpr std::int64_t kMaxUnorderedPieces = 1 << 16;

    // Reads DESCRIPTOR.sha256 beside `descriptorPath` for a set of `pieceCount` pieces. Notices
    // end in `ending` ("无法合并!" for a merge).
    ChecksumsFound Load(const std::filesystem::path& descriptorPath, std::string_view descriptorBytes,
                        std::int64_t pieceCount, const std::string& ending, std::string& failure);

    // The digest the file gives piece `index` (0-based), once Loaded. Pieces are asked for
    // nearly in order, as the hashing threads finish them. False with `failure` when the file
    // no longer says what it said when it was loaded.
    bool Expected(std::int64_t index, Sha256Digest& digest, std::string& failure);

    // Starts Expected over from the first piece (after a first pass over the pieces).
    bool Rewind(std::string& failure);

    const std::string& FileName() const { return mFileName; }

private:
    struct Scan;
    // One pass over the whole of `file`; false when it found the pieces out of order and
    // `ordered` was asked for (the pass is then repeated with a table).
    bool ScanFile(File file, bool ordered, Scan& scan, std::error_code& ec);

    std::filesystem::path mPath;
    std::string mFileName;
    std::int64_t mPieceCount = 0;
    std::unique_ptr<LineReader> mReader;        // ordered: the lines, read again as the run goes
    std::map<std::int64_t, Sha256Digest> mAhead;  // ordered: lines read before their piece was asked for
    std::vector<Sha256Digest> mTable;           // unordered: every piece's digest
};

// "分割文件003.pe已损坏…": a piece whose bytes are not those the checksum file gives.
std::string DamagedPieceNotice(const std::string& pieceName);

}  // namespace tirnel
