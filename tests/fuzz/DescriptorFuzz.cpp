// Fuzzes the merge's reading of a descriptor, the first thing it trusts from outside. Whatever
// the bytes, ReadDescribedSet refuses them with a notice, or returns a set that the merge can
// plan: its chunk plan has the descriptor's chunk count, ends where the file ends, in the last
// piece, and the last piece sizes it accepts are exactly those of that chunk count.

#include "pieceset/ChunkPlan.h"
#include "pieceset/Descriptor.h"
#include "pieceset/PieceSetFormat.h"
#include "tests/fuzz/FuzzSupport.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tirnel::fuzz {
namespace {

// The plan of the set whose last piece holds `last` bytes.
void CheckPlan(const DescribedSet& set, std::int64_t chunkSize, std::int64_t last) {
    const SetShape& shape = set.shape;
    const std::int64_t length = shape.Length(last);
    Require(PieceCount(length, shape.pieceSize) == shape.pieceCount);

    const ChunkPlan plan(length, shape.pieceSize, chunkSize);
    Require(plan.Count() == set.chunkCount);

    const Chunk first = plan.At(0);
    Require(first.piece == 0 && first.pieceOffset == 0 && first.fileOffset == 0 && first.startsPiece);
    Require(first.size >= 1 && first.size <= chunkSize && first.size <= shape.pieceSize);

    const Chunk end = plan.At(plan.Count() - 1);
    Require(end.last && end.size >= 1 && end.size <= chunkSize);
    Require(end.fileOffset >= 0 && end.pieceOffset >= 0 && end.fileOffset <= length);
    Require(length - end.fileOffset == end.size);
    Require(end.piece == shape.pieceCount - 1);
    Require(end.pieceOffset + end.size == last);
    if (plan.Count() > 1) {
        const Chunk before = plan.At(plan.Count() - 2);
        Require(!before.last && before.fileOffset + before.size == end.fileOffset);
    }
}

void CheckSet(const DescribedSet& set, std::int64_t chunkSize) {
    const SetShape& shape = set.shape;
    Require(IsPlainFileName(set.name));
    Require(shape.pieceSize >= 1 && shape.pieceCount >= 1 && set.chunkCount >= shape.pieceCount);
    Require(shape.lastPieceMin >= 1 && shape.lastPieceMin <= shape.lastPieceMax);
    Require(shape.lastPieceMax <= shape.pieceSize);

    CheckPlan(set, chunkSize, shape.lastPieceMin);
    CheckPlan(set, chunkSize, shape.lastPieceMax);

    // One byte short of the shortest last piece, or past the longest, is a file of another
    // chunk count: the merge accepts exactly the sets the descriptor stands for.
    Require(ChunkCount(shape.Length(shape.lastPieceMin - 1), shape.pieceSize, chunkSize) != set.chunkCount);
    const std::int64_t longest = shape.Length(shape.lastPieceMax);
    if (longest < kMaxSize) Require(ChunkCount(longest + 1, shape.pieceSize, chunkSize) != set.chunkCount);

    // The merge finds the last piece by its name.
    const std::string lastName = PieceName(shape.pieceCount);
    Require(PieceNumberOf(lastName) == shape.pieceCount);
    Require(IsPieceOfSet(lastName, shape.pieceCount));
    if (shape.pieceCount < kMaxSize) Require(!IsPieceOfSet(PieceName(shape.pieceCount + 1), shape.pieceCount));
}

void CheckReadSet(std::string_view bytes, std::int64_t chunkSize) {
    std::string failure;
    const std::optional<DescribedSet> set = ReadDescribedSet(bytes, chunkSize, failure);
    // Refused with the notice to show, or read with none.
    Require(set.has_value() == failure.empty());
    if (set) CheckSet(*set, chunkSize);
}

// The descriptor's name and payload written again read back the same, unless the scrambled
// payload holds a line break (which the reader drops).
void CheckRewrite(std::string_view bytes) {
    DescriptorError error;
    const std::optional<DescriptorContent> content = ParseDescriptor(bytes, error);
    Require(content.has_value() == (error == DescriptorError::None));
    if (!content || ScrambleText(content->payload).find("\r\n") != std::string::npos) return;
    const std::optional<std::string> again = DescriptorBytes(content->name, content->payload);
    if (!again) return;  // a name this machine decodes but has no code page 936 spelling for
    const std::optional<DescriptorContent> back = ParseDescriptor(*again, error);
    Require(back && back->name == content->name && back->payload == content->payload);
}

// The payload transform on any bytes: lengths kept, and scrambling undone by the reader's two steps.
void CheckTransform(std::string_view bytes) {
    const std::string scrambled = ScrambleText(bytes);
    Require(scrambled.size() == bytes.size());
    if (scrambled.find("\r\n") == std::string::npos) Require(UnscrambleText(UnshuffleText(scrambled)) == bytes);
    Require(UnscrambleText(bytes).size() == bytes.size());
    Require(UnshuffleText(bytes).size() <= bytes.size());
}

}  // namespace
}  // namespace tirnel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tirnel;
    using namespace tirnel::fuzz;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The input as a descriptor, and as the payload of one written the way the split writes
    // it: that way the payload's numbers are reached without finding their scrambled spelling.
    const std::optional<std::string> written = DescriptorBytes("fuzz.bin", bytes);
    Require(written.has_value());
    // The merge's chunk size, the smallest ones, the tests' one, and one from the input.
    for (std::int64_t chunkSize : {ChunkSize, std::int64_t{1}, std::int64_t{2}, std::int64_t{4096}, SizeFrom(HashOf(bytes))}) {
        CheckReadSet(bytes, chunkSize);
        CheckReadSet(*written, chunkSize);
    }
    CheckRewrite(bytes);
    CheckTransform(bytes);
    return 0;
}
