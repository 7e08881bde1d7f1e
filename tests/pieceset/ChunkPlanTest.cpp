#include "pieceset/ChunkPlan.h"

#include <gtest/gtest.h>

namespace tirnel {
namespace {

TEST(ChunkPlan, PiecesInChunksAndTheLastTakesTheRest) {
    // 21 bytes in pieces of 10, chunks of 4: 4 4 2 | 4 4 2 | 1.
    const ChunkPlan plan(21, 10, 4);
    ASSERT_EQ(plan.Count(), 7);
    struct Expected {
        std::int64_t piece, pieceOffset, fileOffset, size;
        bool starts, ends, last;
    };
    const Expected expected[] = {
        {0, 0, 0, 4, true, false, false}, {0, 4, 4, 4, false, false, false}, {0, 8, 8, 2, false, true, false},
        {1, 0, 10, 4, true, false, false}, {1, 4, 14, 4, false, false, false}, {1, 8, 18, 2, false, true, false},
        {2, 0, 20, 1, true, false, true},
    };
    for (std::int64_t i = 0; i < plan.Count(); ++i) {
        const Chunk c = plan.At(i);
        const Expected& e = expected[i];
        EXPECT_EQ(c.piece, e.piece) << i;
        EXPECT_EQ(c.pieceOffset, e.pieceOffset) << i;
        EXPECT_EQ(c.fileOffset, e.fileOffset) << i;
        EXPECT_EQ(c.size, e.size) << i;
        EXPECT_EQ(c.startsPiece, e.starts) << i;
        EXPECT_EQ(c.endsPiece, e.ends) << i;
        EXPECT_EQ(c.last, e.last) << i;
    }
}

TEST(ChunkPlan, ChunksCoverTheFileExactlyOnce) {
    const std::int64_t cases[][3] = {{250, 100, 344519360}, {200, 100, 7}, {1, 1, 1}, {97, 13, 5}, {96, 12, 4}, {10, 10, 3}};
    for (const auto& [length, piece, chunk] : cases) {
        const ChunkPlan plan(length, piece, chunk);
        std::int64_t next = 0;
        for (std::int64_t i = 0; i < plan.Count(); ++i) {
            const Chunk c = plan.At(i);
            EXPECT_EQ(c.fileOffset, next);
            EXPECT_GT(c.size, 0);
            EXPECT_LE(c.size, chunk);
            EXPECT_LE(c.pieceOffset + c.size, piece);
            next += c.size;
        }
        EXPECT_EQ(next, length) << length << "/" << piece << "/" << chunk;
    }
}

}  // namespace
}  // namespace tirnel
