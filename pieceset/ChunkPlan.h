#pragma once
// The chunks a set of `length` bytes moves in: piece after piece of `pieceSize` bytes, each
// in chunks of at most `chunkSize` bytes, the last chunk taking whatever remains.

#include <cstdint>

namespace tirnel {

struct Chunk {
    std::int64_t piece = 0;        // 0-based piece index
    std::int64_t pieceOffset = 0;  // where the chunk lies inside its piece
    std::int64_t fileOffset = 0;   // where it lies inside the whole file
    std::int64_t size = 0;
    bool startsPiece = false;
    bool endsPiece = false;        // the piece is full after it
    bool last = false;             // the last chunk of the set

    // Whether the piece is complete after this chunk, and then its length.
    bool ClosesPiece() const { return endsPiece || last; }
    std::int64_t PieceLength() const { return pieceOffset + size; }
    // Where the chunk's piece starts inside the whole file.
    std::int64_t PieceStart() const { return fileOffset - pieceOffset; }
};

// The bytes the copy of a chunk moves, inside its piece. The chunk size is not a multiple of
// any block size, and a copy that starts or ends off a block boundary cannot share the
// source's blocks on a file system that could (XFS, btrfs): so a boundary between two chunks
// of one piece is moved down to a multiple of kCopyAlignment, and each chunk's copy takes the
// bytes before it that the previous copy left. The spans of a piece still cover it exactly.
struct CopySpan {
    std::int64_t pieceOffset = 0;
    std::int64_t fileOffset = 0;  // the same place inside the whole file
    std::int64_t size = 0;
};
inline constexpr std::int64_t kCopyAlignment = 1 << 20;
CopySpan CopySpanOf(const Chunk& chunk);

class ChunkPlan {
public:
    ChunkPlan(std::int64_t length, std::int64_t pieceSize, std::int64_t chunkSize);

    std::int64_t Count() const { return mCount; }
    // Chunk i, 0 <= i < Count().
    Chunk At(std::int64_t i) const;

private:
    std::int64_t mLength, mPieceSize, mChunkSize, mChunksPerPiece, mCount;
};

}  // namespace tirnel
