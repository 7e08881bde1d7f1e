// Sizes past 32 bits: a 5 GiB sparse file cut into 2048 MB pieces.

#include "pieceset/Descriptor.h"
#include "pieceset/PieceSetFormat.h"
#include "pieceset/SplitRun.h"
#include "tests/pieceset/RunTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tirnel {
namespace {

using namespace test;

void WriteAt(const fs::path& path, std::int64_t offset, const std::string& bytes) {
    std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(offset);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadAt(const fs::path& path, std::int64_t offset, std::size_t size) {
    std::ifstream f(path, std::ios::binary);
    f.seekg(offset);
    std::string bytes(size, '\0');
    f.read(bytes.data(), static_cast<std::streamsize>(size));
    bytes.resize(static_cast<std::size_t>(f.gcount()));
    return bytes;
}

TEST(LargeFile, FiveGibibytesIntoPiecesOf2048Megabytes) {
    TempFolder folder;
    // The pieces take 5 GiB of real disk; a machine short of space cannot run this.
    std::error_code ec;
    if (fs::space(folder.Path(), ec).available < (8ULL << 30) || ec) GTEST_SKIP() << "less than 8 GiB free";
    const fs::path source = folder / "big.img";
    const std::int64_t length = 5LL << 30;
    const std::int64_t piece = 2048LL << 20;
    { std::ofstream create(source, std::ios::binary); }
    fs::resize_file(source, static_cast<std::uintmax_t>(length));
    const std::int64_t samples[] = {0, ChunkSize - 3, piece - 4, piece, (4LL << 30) - 1, 4LL << 30, length - 16};
    for (std::int64_t offset : samples) WriteAt(source, offset, "@" + std::to_string(offset) + "#");

    TempFolder out;
    RecordingReporter reporter;
    ASSERT_EQ(SplitRun({source.string(), out.Text(), PieceSize::Read("2048", true)}, reporter), RunOutcome::Completed);
    EXPECT_EQ(fs::file_size(out / "001.pe"), static_cast<std::uintmax_t>(piece));
    EXPECT_EQ(fs::file_size(out / "002.pe"), static_cast<std::uintmax_t>(piece));
    EXPECT_EQ(fs::file_size(out / "003.pe"), static_cast<std::uintmax_t>(length - 2 * piece));
    for (std::int64_t offset : samples) {
        const std::string marker = "@" + std::to_string(offset) + "#";
        const std::int64_t index = offset / piece;
        const std::string got = ReadAt(out / PieceName(index + 1), offset - index * piece, marker.size());
        const std::string expected = marker.substr(0, static_cast<std::size_t>(std::min<std::int64_t>(
                                                          static_cast<std::int64_t>(marker.size()), piece - (offset - index * piece))));
        EXPECT_EQ(got, expected) << offset;
    }
    DescriptorError error;
    EXPECT_EQ(ParseDescriptor(ReadFile(out / "big.hpe"), error)->payload, "2048m:18");
    EXPECT_EQ(reporter.progress.size(), 19u);
}

}  // namespace
}  // namespace tirnel
