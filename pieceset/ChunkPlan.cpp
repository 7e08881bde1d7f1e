#include "pieceset/ChunkPlan.h"

#include "pieceset/PieceSetFormat.h"

#include <algorithm>

namespace tirnel {

ChunkPlan::ChunkPlan(std::int64_t length, std::int64_t pieceSize, std::int64_t chunkSize)
    : mLength(length),
      mPieceSize(pieceSize),
      mChunkSize(chunkSize),
      mChunksPerPiece(ChunksPerPiece(pieceSize, chunkSize)),
      mCount(ChunkCount(length, pieceSize, chunkSize)) {}

Chunk ChunkPlan::At(std::int64_t i) const {
    Chunk c;
    c.piece = i / mChunksPerPiece;
    const std::int64_t k = i % mChunksPerPiece;
    c.pieceOffset = k * mChunkSize;
    c.fileOffset = c.piece * mPieceSize + c.pieceOffset;
    c.last = i + 1 == mCount;
    c.size = c.last ? mLength - c.fileOffset : std::min(mChunkSize, mPieceSize - c.pieceOffset);
    c.startsPiece = k == 0;
    c.endsPiece = k + 1 == mChunksPerPiece;
    return c;
}

CopySpan CopySpanOf(const Chunk& chunk) {
    auto down = [](std::int64_t offset) { return offset - offset % kCopyAlignment; };
    const std::int64_t start = down(chunk.pieceOffset);
    const std::int64_t end = chunk.PieceLength();
    const std::int64_t stop = chunk.ClosesPiece() ? end : down(end);
    return {start, chunk.PieceStart() + start, stop - start};
}

}  // namespace tirnel
