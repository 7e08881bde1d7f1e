#include "pieceset/PieceSetFormat.h"

#include <gtest/gtest.h>

#include <limits>

#include <algorithm>
#include <random>

namespace tirnel {
namespace {

// The fold written the long way: append the mixed byte, then reverse everything.
std::string FoldStepByStep(const std::string& mixed) {
    std::string s;
    for (char c : mixed) {
        s.push_back(c);
        std::reverse(s.begin(), s.end());
    }
    return s;
}

std::string Mix(const std::string& payload) {
    std::string mixed;
    for (std::size_t i = 0; i < payload.size(); ++i) {
        int shift = (i == 0 || i >= 6) ? 5 : (i <= 3 ? -5 : -10);
        unsigned char v = static_cast<unsigned char>(static_cast<unsigned char>(payload[i]) + shift);
        mixed.push_back(static_cast<char>(v ^ static_cast<unsigned char>("qbtrmwzdhy"[i % 9])));
    }
    return mixed;
}

TEST(ScrambleText, MatchesTheStepwiseFoldForEveryLength) {
    std::mt19937 gen(7);
    for (std::size_t n = 0; n <= 40; ++n) {
        std::string payload;
        for (std::size_t i = 0; i < n; ++i) payload.push_back("0123456789km:"[gen() % 13]);
        EXPECT_EQ(ScrambleText(payload), FoldStepByStep(Mix(payload))) << payload;
    }
}

TEST(ScrambleText, KnownCode) {
    // "100k:7" shifted (+5, -5, -5, -5, -10, -10), mixed with q b t r m w, folded c5 c3 c1 c0 c2 c4.
    EXPECT_EQ(ScrambleText("100k:7"), "\x5A\x14\x49\x47\x5F\x5D");
    // Only nine key letters take part: byte 9 ('0' + 5) is mixed with 'q' again, not with 'y'.
    EXPECT_EQ(ScrambleText("0000000000").front(), static_cast<char>(('0' + 5) ^ 'q'));
    EXPECT_EQ(UnscrambleText(UnshuffleText(ScrambleText("0000000000"))), "0000000000");
}

TEST(ScrambleText, RoundTripsEveryPayloadTheSplitWrites) {
    for (const char* size : {"1", "100", "007", "2048", "2097151", "99999999999", "1.5", "0012"}) {
        for (bool mega : {false, true}) {
            for (std::int64_t count : {1LL, 2LL, 7LL, 10LL, 999LL, 123456789LL, 9223372036854775807LL}) {
                const std::string payload = MakePayload(size, mega, count);
                const std::string code = ScrambleText(payload);
                EXPECT_EQ(code.size(), payload.size());
                EXPECT_EQ(code.find("\r\n"), std::string::npos) << payload;
                EXPECT_EQ(UnscrambleText(UnshuffleText(code + "\r\n")), payload);
            }
        }
    }
}

TEST(UnshuffleText, DropsEveryLineEnd) {
    const std::string code = ScrambleText("100k:7");
    std::string withBreaks = code.substr(0, 2) + "\r\n" + code.substr(2) + "\r\n";
    EXPECT_EQ(UnshuffleText(withBreaks), UnshuffleText(code));
    EXPECT_EQ(UnshuffleText(""), "");
}

TEST(PieceName, ThreeDigitsAtLeast) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {1, "001.pe"}, {12, "012.pe"}, {999, "999.pe"}, {1000, "1000.pe"}, {123456, "123456.pe"},
        {9223372036854775807LL, "9223372036854775807.pe"}};
    for (const auto& [number, name] : cases) {
        EXPECT_EQ(PieceName(number), name);
        EXPECT_EQ(PieceNumberOf(name), number);
    }
    for (const char* other : {"1.pe", "0001.pe", "000.pe", "01a.pe", ".pe", "001.PE", "001.pe.part",
                              "9223372036854775808.pe", "99999999999999999999.pe"}) {
        EXPECT_FALSE(PieceNumberOf(other).has_value()) << other;
    }
}

TEST(BaseNameOf, CutsTheLastExtensionOnly) {
    const std::pair<const char*, const char*> cases[] = {
        {"data", "data"},       {"archive.tar.gz", "archive.tar"}, {".profile", ".profile"},
        {"a.b.c", "a.b"},       {"report.", "report"},              {"测试 文件.txt", "测试 文件"},
        {"..hidden", "."}};
    for (const auto& [name, base] : cases) EXPECT_EQ(BaseNameOf(name), base) << name;
    EXPECT_EQ(DescriptorNameOf("archive.tar.gz"), "archive.tar.hpe");
}

TEST(ChunkCount, PiecesAboveAndBelowTheChunk) {
    struct Case {
        std::int64_t length, piece, chunk, cpp, count, pieces;
    };
    const std::int64_t mb = 1048576;
    const Case cases[] = {
        {250, 100, ChunkSize, 1, 3, 3},
        {200, 100, ChunkSize, 1, 2, 2},
        {1200 * mb, 500 * mb, ChunkSize, 2, 5, 3},
        {2048, 1024, ChunkSize, 1, 2, 2},
        {ChunkSize, ChunkSize, ChunkSize, 1, 1, 1},
        {2 * ChunkSize, 2 * ChunkSize, ChunkSize, 2, 2, 1},
        {5LL << 30, 2048 * mb, ChunkSize, 7, 7 + 7 + 4, 3},
        {25, 10, 4, 3, 2 * 3 + 2, 3},
        {24, 8, 4, 2, 6, 3},
        // Piece sizes near the top of 64 bits count their chunks without overflowing.
        {std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::max(), ChunkSize,
         std::numeric_limits<std::int64_t>::max() / ChunkSize + 1, std::numeric_limits<std::int64_t>::max() / ChunkSize + 1,
         1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChunksPerPiece(c.piece, c.chunk), c.cpp);
        EXPECT_EQ(ChunkCount(c.length, c.piece, c.chunk), c.count) << c.length << "/" << c.piece;
        EXPECT_EQ(PieceCount(c.length, c.piece), c.pieces);
    }
}

TEST(ShapeOfSet, PiecesLastPieceAndSetsTooLargeFor64Bits) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    struct Case {
        std::int64_t piece, count, chunk;
        bool valid;
        std::int64_t pieces, lastMin, lastMax;
    };
    const Case cases[] = {
        {10, 8, 4, true, 3, 5, 8},                // 3 chunks a piece: the last holds 2 (5..8 bytes)
        {10, 9, 4, true, 3, 9, 10},               // a full last piece: 9..10 bytes
        {1024, 3, ChunkSize, true, 3, 1, 1024},
        {2 * ChunkSize, 3, ChunkSize, true, 2, 1, ChunkSize},
        {kMax, 1, ChunkSize, true, 1, 1, ChunkSize},  // one chunk of a piece near the top
        {kMax, 2, ChunkSize, true, 1, ChunkSize + 1, 2 * ChunkSize},
        // The whole set would not fit in 64 bits.
        {400000 * 1024, 9223372036854775000LL, ChunkSize, false, 0, 0, 0},
        {1024, kMax, ChunkSize, false, 0, 0, 0},
        {kMax, kMax, ChunkSize, false, 0, 0, 0},
        {kMax / 2 + 1, 2 * ChunksPerPiece(kMax / 2 + 1), ChunkSize, false, 0, 0, 0},
        {0, 3, ChunkSize, false, 0, 0, 0},
        {1024, 0, ChunkSize, false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        std::optional<SetShape> shape = ShapeOfSet(c.piece, c.count, c.chunk);
        ASSERT_EQ(shape.has_value(), c.valid) << c.piece << " × " << c.count;
        if (!c.valid) continue;
        EXPECT_EQ(shape->pieceCount, c.pieces) << c.piece << " × " << c.count;
        EXPECT_EQ(shape->lastPieceMin, c.lastMin) << c.piece << " × " << c.count;
        EXPECT_EQ(shape->lastPieceMax, c.lastMax) << c.piece << " × " << c.count;
        // The largest set it admits fits, and the split of that set counts the same chunks.
        const std::int64_t length = shape->Length(shape->lastPieceMax);
        EXPECT_EQ(ChunkCount(length, c.piece, c.chunk), c.count) << c.piece << " × " << c.count;
    }
}

TEST(DecodePayload, SizesCountsAndRefusals) {
    struct Case {
        const char* payload;
        std::int64_t size, count;
    };
    const Case good[] = {
        {"100k:7", 102400, 7},
        {"007k:3", 7168, 3},
        {"1m:2", 1048576, 2},
        {"2048m:18", 2048LL * 1048576, 18},
        {"1.5k:4", 1536, 4},
        {"1.0001m:2", 1048576, 2},  // kilobytes rounded first, as the split does
    };
    for (const Case& c : good) {
        auto decoded = DecodePayload(c.payload);
        ASSERT_TRUE(decoded) << c.payload;
        EXPECT_EQ(decoded->pieceSize, c.size) << c.payload;
        EXPECT_EQ(decoded->chunkCount, c.count) << c.payload;
    }
    for (const char* bad : {"", "100k", "100K:7", "100g:7", "k:7", "0k:7", "100k:0", "100k:-3", "100k:x", ":7",
                            "99999999999999999999k:1", "100k:99999999999999999999"}) {
        EXPECT_FALSE(DecodePayload(bad).has_value()) << bad;
    }
}

TEST(RoundedPercent, TiesGoToEven) {
    const std::tuple<std::int64_t, std::int64_t, int> cases[] = {
        {1, 8, 12}, {3, 8, 38}, {5, 8, 62}, {1, 2, 50}, {1, 3, 33}, {2, 3, 67}, {1, 1, 100}, {0, 5, 0},
        {1, 200, 0}, {3, 200, 2}, {4611686018427387903LL, 9223372036854775806LL, 50}};
    for (const auto& [done, total, percent] : cases) {
        EXPECT_EQ(RoundedPercent(done, total), percent) << done << "/" << total;
    }
}

}  // namespace
}  // namespace tirnel
