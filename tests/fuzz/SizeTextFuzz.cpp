// Fuzzes the size box's text the way the split reads it, and what the split builds on the
// size: the payload it stores must read back as the same piece size and chunk count, through
// the descriptor as the merge reads it, and the counts and shape of a set of any length must
// agree with plain arithmetic.

#include "pieceset/Descriptor.h"
#include "pieceset/PieceSetFormat.h"
#include "pieceset/SizeText.h"
#include "tests/fuzz/FuzzSupport.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tirnel::fuzz {
namespace {

using Wide = __int128;

// The number read is the one the text starts with: rounding moves it by at most one unit.
void CheckNumber(const LeadingNumber& number) {
    const std::optional<std::int64_t> rounded = RoundedNumber(number);
    const std::optional<std::int64_t> kb = SizeInBytes(number, false);
    const std::optional<std::int64_t> mb = SizeInBytes(number, true);
    if (number.negative) {
        Require(!rounded && !kb && !mb);
        return;
    }
    if (number.tooLarge) {
        Require(!rounded && !kb && !mb);
        return;
    }
    const Wide whole = static_cast<Wide>(number.whole);
    // Refused only beyond 64 bits.
    Require(rounded.has_value() == (whole + 1 <= kMaxSize || (whole <= kMaxSize && number.fraction < 0.5L)));
    if (rounded) Require(*rounded == whole || *rounded == whole + 1);
    if (whole * 1024 + 1024 <= kMaxSize) Require(kb.has_value());
    if (kb) Require(*kb >= whole * 1024 && *kb <= whole * 1024 + 1024);
    // Megabytes are the kilobytes, already rounded, times 1024.
    if (kb && static_cast<Wide>(*kb) * 1024 <= kMaxSize) Require(mb == *kb * 1024);
    else Require(!mb);
    // What the split lets through, at least one unit, is at least a kilobyte.
    if (!number.IsBelowOne() && kb) Require(*kb >= 1024);
}

// The split's payload for a piece of `pieceSize` bytes typed as `text`, read back.
void CheckPayload(std::string_view text, bool megabytes, std::int64_t pieceSize, std::int64_t count) {
    const std::string payload = MakePayload(text, megabytes, count);
    const bool plain = text.find(':') == std::string_view::npos;  // the split refuses a ":"
    const std::optional<DecodedPayload> decoded = DecodePayload(payload);
    if (plain) Require(decoded && decoded->pieceSize == pieceSize && decoded->chunkCount == count);

    // Through the descriptor: scrambled, written with a name, read by the merge.
    const std::string code = ScrambleText(payload);
    if (!plain || code.find("\r\n") != std::string::npos) return;  // the split refuses those too
    const std::optional<DecodedPayload> unscrambled = DecodePayload(UnscrambleText(UnshuffleText(code)));
    Require(unscrambled && unscrambled->pieceSize == pieceSize && unscrambled->chunkCount == count);
    const std::optional<std::string> bytes = DescriptorBytes("数据.bin", payload);
    Require(bytes.has_value());
    if (static_cast<std::int64_t>(bytes->size()) > kMaxDescriptorBytes) return;
    std::string failure;
    const std::optional<DescribedSet> set = ReadDescribedSet(*bytes, ChunkSize, failure);
    const std::optional<SetShape> shape = ShapeOfSet(pieceSize, count);
    Require(set.has_value() == shape.has_value());
    if (!set) return;
    Require(set->name == "数据.bin" && set->chunkCount == count);
    Require(set->shape.pieceSize == shape->pieceSize && set->shape.pieceCount == shape->pieceCount);
    Require(set->shape.lastPieceMin == shape->lastPieceMin && set->shape.lastPieceMax == shape->lastPieceMax);
}

// A set cut from `length` bytes into pieces of `pieceSize`, in chunks of at most `chunkSize`:
// its counts, and the shape the merge reads back from its chunk count fit that length.
void CheckSetOf(std::int64_t length, std::int64_t pieceSize, std::int64_t chunkSize) {
    const std::int64_t pieces = PieceCount(length, pieceSize);
    Require(static_cast<Wide>(pieces - 1) * pieceSize < length && length <= static_cast<Wide>(pieces) * pieceSize);
    const std::int64_t perPiece = ChunksPerPiece(pieceSize, chunkSize);
    Require(static_cast<Wide>(perPiece - 1) * chunkSize < pieceSize && pieceSize <= static_cast<Wide>(perPiece) * chunkSize);
    const std::int64_t chunks = ChunkCount(length, pieceSize, chunkSize);
    Require(chunks >= pieces && chunks <= static_cast<Wide>(pieces) * perPiece);
    Require(chunks >= length / chunkSize && chunks <= length);

    // The merge refuses a chunk count whose longest file would pass 64 bits; any shorter set
    // must read back.
    const std::optional<SetShape> shape = ShapeOfSet(pieceSize, chunks, chunkSize);
    if (!shape) {
        Require(length > kMaxSize - pieceSize);
        return;
    }
    Require(shape->pieceCount == pieces);
    const std::int64_t last = length - (pieces - 1) * pieceSize;
    Require(shape->FitsLastPiece(last) && shape->Length(last) == length);
}

// Progress in whole percent: the nearest one, never past 100.
void CheckPercent(std::int64_t done, std::int64_t total) {
    const int percent = RoundedPercent(done, total);
    Require(percent >= 0 && percent <= 100);
    if (done == 0) Require(percent == 0);
    if (done == total) Require(percent == 100);
    // |100·done/total − percent| ≤ 1/2, exactly; the engine works in long double past
    // 2^63 / 100 bytes done, where it is kept to within one.
    const Wide error = static_cast<Wide>(done) * 200 - static_cast<Wide>(percent) * 2 * total;
    const Wide bound = done <= kMaxSize / 100 ? Wide{total} : Wide{total} * 2;
    Require(error <= bound && -error <= bound);
    if (done < total) Require(RoundedPercent(done + 1, total) >= percent);
}

}  // namespace
}  // namespace tirnel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tirnel;
    using namespace tirnel::fuzz;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const LeadingNumber number = ReadLeadingNumber(text);
    CheckNumber(number);

    const std::uint64_t hash = HashOf(text);
    const std::int64_t count = SizeFrom(hash);
    const std::int64_t length = SizeFrom(hash * 31 + 7);
    for (bool megabytes : {false, true}) {
        const std::optional<std::int64_t> pieceSize = SizeInBytes(number, megabytes);
        if (!pieceSize || *pieceSize < 1) continue;
        const std::int64_t n = *pieceSize;
        for (std::int64_t c : {std::int64_t{1}, std::int64_t{7}, count, kMaxSize}) CheckPayload(text, megabytes, n, c);
        for (std::int64_t chunkSize : {ChunkSize, std::int64_t{1}, std::int64_t{4096}}) {
            for (std::int64_t l : {n - 1, n, n < kMaxSize ? n + 1 : n, length, kMaxSize}) {
                if (l >= 1) CheckSetOf(l, n, chunkSize);
            }
        }
    }
    for (std::int64_t done : {std::int64_t{0}, length / 2, SizeFrom(hash ^ 0x5bd1e995) % length, length - 1, length}) {
        CheckPercent(done, length);
    }
    return 0;
}
