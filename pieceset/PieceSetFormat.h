#pragma once
// The piece set: numbered pieces NNN.pe and one descriptor base.hpe whose payload
// ("100k:7": size text, unit letter, chunk count) is stored scrambled.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tirnel {

// The largest block one chunk of a piece holds.
inline constexpr std::int64_t ChunkSize = 344519360;
// Key of the payload transform; only its first nine letters take part.
inline constexpr std::string_view KeyText = "qbtrmwzdhy";

inline constexpr std::int64_t kKilobyte = 1024;
inline constexpr std::int64_t kMegabyte = 1024 * 1024;

// The payload transform and its two inverse steps. They work on bytes (the code page's
// bytes of the text); each result byte is one character.
std::string ScrambleText(std::string_view payload);
std::string UnshuffleText(std::string_view text);
std::string UnscrambleText(std::string_view text);

// "001.pe" … "999.pe", then "1000.pe".
std::string PieceName(std::int64_t number);
// The piece number a file name stands for, when it is exactly a piece name.
std::optional<std::int64_t> PieceNumberOf(std::string_view fileName);
// True when the file name is that of one of the pieces of a set of `pieceCount` pieces, in
// any letter case: on the file systems of USB sticks (FAT, exFAT) "001.PE" is 001.pe, and a
// set may be merged on one of them.
bool IsPieceOfSet(std::string_view fileName, std::int64_t pieceCount);

// The file name without its extension: "archive.tar.gz" -> "archive.tar"; a name that
// starts with its only "." (".profile") or has none stays whole.
std::string BaseNameOf(std::string_view fileName);
inline std::string DescriptorNameOf(std::string_view fileName) { return BaseNameOf(fileName) + ".hpe"; }
// Whether a file name has the descriptor's extension, ".hpe" in any letter case.
bool HasDescriptorExtension(std::string_view fileName);

// Chunks in a full piece of `pieceSize` bytes, and in a set cut from `length` bytes.
std::int64_t ChunksPerPiece(std::int64_t pieceSize, std::int64_t chunkSize = ChunkSize);
std::int64_t ChunkCount(std::int64_t length, std::int64_t pieceSize, std::int64_t chunkSize = ChunkSize);
// Pieces in a set cut from `length` bytes.
std::int64_t PieceCount(std::int64_t length, std::int64_t pieceSize);

// What a descriptor's piece size and chunk count say about its set: how many pieces, and
// how long the last one may be (every other piece is exactly one piece size long).
struct SetShape {
    std::int64_t pieceSize = 0;
    std::int64_t pieceCount = 0;
    std::int64_t lastPieceChunks = 0;
    std::int64_t lastPieceMin = 0;  // bytes
    std::int64_t lastPieceMax = 0;

    bool FitsLastPiece(std::int64_t size) const { return size >= lastPieceMin && size <= lastPieceMax; }
    // Piece `number` (1-based) may hold `size` bytes: every piece but the last exactly one
    // piece size, the last what the count leaves for it.
    bool FitsPiece(std::int64_t number, std::int64_t size) const {
        return number == pieceCount ? FitsLastPiece(size) : size == pieceSize;
    }
    // The whole file's length when the last piece holds `lastPieceSize` bytes (one that fits).
    std::int64_t Length(std::int64_t lastPieceSize) const { return (pieceCount - 1) * pieceSize + lastPieceSize; }
};
// Empty when no such set can exist: a size or count below 1, or a whole file whose length
// would not fit in 64 bits.
std::optional<SetShape> ShapeOfSet(std::int64_t pieceSize, std::int64_t chunkCount, std::int64_t chunkSize = ChunkSize);

// The payload before scrambling: size text + "k" or "m" + ":" + count.
std::string MakePayload(std::string_view sizeText, bool megabytes, std::int64_t chunkCount);

struct DecodedPayload {
    std::int64_t pieceSize = 0;   // bytes
    std::int64_t chunkCount = 0;
};
// Reads a payload back; empty when it does not describe a set (no ":", a unit other than
// "k" or "m", a size or count below 1 or beyond 64 bits).
std::optional<DecodedPayload> DecodePayload(std::string_view payload);

// i × 100 / K to the nearest integer, ties to even.
int RoundedPercent(std::int64_t done, std::int64_t total);

}  // namespace tirnel
