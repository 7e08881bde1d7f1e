#include "pieceset/PieceSetFormat.h"

#include "pieceset/CheckedMath.h"
#include "pieceset/SizeText.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <limits>

namespace tirnel {

namespace {

// The per-position shift of the payload bytes: +5 for the first byte and from the
// seventh on, -5 for the second to fourth, -10 for the fifth and sixth.
int ShiftAt(std::size_t i) {
    if (i == 0 || i >= 6) return 5;
    if (i <= 3) return -5;
    return -10;
}

unsigned char KeyAt(std::size_t i) { return static_cast<unsigned char>(KeyText[i % 9]); }

}  // namespace

std::string ScrambleText(std::string_view payload) {
    // Appending and then reversing after every byte leaves the last byte first, every
    // second byte before it going down, then the rest going up: for six bytes
    // c5 c3 c1 c0 c2 c4. Built directly in that order.
    const std::size_t n = payload.size();
    std::string mixed(n, '\0');
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char v = static_cast<unsigned char>(static_cast<unsigned char>(payload[i]) + ShiftAt(i));
        mixed[i] = static_cast<char>(v ^ KeyAt(i));
    }
    std::string code;
    code.reserve(n);
    for (std::size_t i = n; i-- > 0;) {
        if ((n - 1 - i) % 2 == 0) code.push_back(mixed[i]);
    }
    for (std::size_t i = 0; i < n; ++i) {
        if ((n - 1 - i) % 2 == 1) code.push_back(mixed[i]);
    }
    return code;
}

std::string UnshuffleText(std::string_view text) {
    std::string t;
    t.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
            continue;
        }
        t.push_back(text[i]);
    }
    // Take the first character, then reverse the rest, again and again: with the rest kept
    // as a window [lo, hi) read forwards or backwards, that is taking from alternate ends.
    std::string taken;
    taken.reserve(t.size());
    std::size_t lo = 0, hi = t.size();
    bool forwards = true;
    while (lo < hi) {
        taken.push_back(forwards ? t[lo++] : t[--hi]);
        forwards = !forwards;
    }
    // Each taken character went in front of the result.
    std::reverse(taken.begin(), taken.end());
    return taken;
}

std::string UnscrambleText(std::string_view text) {
    std::string payload(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned char v = static_cast<unsigned char>(static_cast<unsigned char>(text[i]) ^ KeyAt(i));
        payload[i] = static_cast<char>(static_cast<unsigned char>(v - ShiftAt(i)));
    }
    return payload;
}

std::string PieceName(std::int64_t number) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%03lld.pe", static_cast<long long>(number));
    return buffer;
}

std::optional<std::int64_t> PieceNumberOf(std::string_view fileName) {
    constexpr std::string_view kExt = ".pe";
    if (fileName.size() <= kExt.size() || !fileName.ends_with(kExt)) return std::nullopt;
    std::string_view digits = fileName.substr(0, fileName.size() - kExt.size());
    // A descriptor may describe up to 2^63 - 1 pieces: every one of their names reads back.
    std::int64_t number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        std::optional<std::int64_t> shifted = CheckedMul(number, 10);
        if (!shifted || !(shifted = CheckedAdd(*shifted, c - '0'))) return std::nullopt;
        number = *shifted;
    }
    if (number < 1 || PieceName(number) != fileName) return std::nullopt;
    return number;
}

bool IsPieceOfSet(std::string_view fileName, std::int64_t pieceCount) {
    std::string lower(fileName);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const std::optional<std::int64_t> number = PieceNumberOf(lower);
    return number && *number <= pieceCount;
}

bool HasDescriptorExtension(std::string_view fileName) {
    constexpr std::string_view kExtension = ".hpe";
    if (fileName.size() < kExtension.size()) return false;
    const std::string_view tail = fileName.substr(fileName.size() - kExtension.size());
    return std::equal(tail.begin(), tail.end(), kExtension.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

std::string BaseNameOf(std::string_view fileName) {
    std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return std::string(fileName);
    return std::string(fileName.substr(0, dot));
}

std::int64_t ChunksPerPiece(std::int64_t pieceSize, std::int64_t chunkSize) {
    return CeilDiv(pieceSize, chunkSize);
}

std::int64_t ChunkCount(std::int64_t length, std::int64_t pieceSize, std::int64_t chunkSize) {
    // Cannot overflow: the full pieces hold at most length / chunkSize + length / pieceSize
    // chunks, which is at most length for sizes of 2 and more (and exactly length for 1).
    return (length / pieceSize) * ChunksPerPiece(pieceSize, chunkSize) + CeilDiv(length % pieceSize, chunkSize);
}

std::int64_t PieceCount(std::int64_t length, std::int64_t pieceSize) { return CeilDiv(length, pieceSize); }

std::optional<SetShape> ShapeOfSet(std::int64_t pieceSize, std::int64_t chunkCount, std::int64_t chunkSize) {
    if (pieceSize < 1 || chunkCount < 1 || chunkSize < 1) return std::nullopt;
    SetShape shape;
    shape.pieceSize = pieceSize;
    const std::int64_t perPiece = ChunksPerPiece(pieceSize, chunkSize);
    shape.pieceCount = CeilDiv(chunkCount, perPiece);
    shape.lastPieceChunks = chunkCount - (shape.pieceCount - 1) * perPiece;  // 1 … perPiece
    shape.lastPieceMin = (shape.lastPieceChunks - 1) * chunkSize + 1;
    shape.lastPieceMax = shape.lastPieceChunks == perPiece ? pieceSize : shape.lastPieceChunks * chunkSize;
    std::optional<std::int64_t> full = CheckedMul(shape.pieceCount - 1, pieceSize);
    if (!full || !CheckedAdd(*full, shape.lastPieceMax)) return std::nullopt;
    return shape;
}

std::string MakePayload(std::string_view sizeText, bool megabytes, std::int64_t chunkCount) {
    std::string payload(sizeText);
    payload += megabytes ? 'm' : 'k';
    payload += ':';
    payload += std::to_string(chunkCount);
    return payload;
}

std::optional<DecodedPayload> DecodePayload(std::string_view payload) {
    std::size_t colon = payload.find(':');
    if (colon == std::string_view::npos || colon == 0) return std::nullopt;
    std::string_view sizeUnit = payload.substr(0, colon);
    char unit = sizeUnit.back();
    if (unit != 'k' && unit != 'm') return std::nullopt;
    // The size is rounded to whole kilobytes first and then scaled to megabytes, exactly as
    // the split computed the pieces, so fractional sizes read back the same.
    std::optional<std::int64_t> size =
        SizeInBytes(ReadLeadingNumber(sizeUnit.substr(0, sizeUnit.size() - 1)), unit == 'm');
    std::optional<std::int64_t> count = RoundedNumber(ReadLeadingNumber(payload.substr(colon + 1)));
    if (!size || !count || *size < 1 || *count < 1) return std::nullopt;
    return DecodedPayload{*size, *count};
}

int RoundedPercent(std::int64_t done, std::int64_t total) {
    if (total <= 0 || done <= 0) return 0;
    if (done > std::numeric_limits<std::int64_t>::max() / 100) {
        return static_cast<int>(std::nearbyint(static_cast<long double>(done) * 100 / total));
    }
    // Exact with integers: the remainder of 100·done / total decides the rounding.
    std::int64_t scaled = done * 100;
    std::int64_t q = scaled / total;
    std::int64_t r = scaled % total;
    if (r > total - r || (r == total - r && (q & 1))) ++q;
    return static_cast<int>(q);
}

}  // namespace tirnel
