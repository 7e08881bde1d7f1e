// On a file system whose copy_file_range shares blocks (XFS made with reflink=1), a split
// and a merge share the source's blocks instead of copying them: the pieces and the merged
// file hold shared extents, and the free space hardly moves. The test makes a small XFS
// image, loop-mounts it, and asks the file system itself through FIEMAP; where the machine
// cannot (not root, no mkfs.xfs, no loop device, mount refused) it skips and says why.

#include "pieceset/MergeRun.h"
#include "pieceset/SplitRun.h"
#include "pieceset/VerifyRun.h"
#include "platform/io/FaultPoint.h"
#include "tests/pieceset/RunTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <linux/fiemap.h>
#include <linux/fs.h>
#include <optional>
#include <sys/ioctl.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <vector>

namespace tirnel {
namespace {

using namespace test;

const std::string kCli = std::string(TIRNEL_BIN_DIR) + "/tirnel-cli";

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// Runs a shell command; its standard output, or nothing when it failed.
std::optional<std::string> Output(const std::string& command) {
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (!pipe) return std::nullopt;
    std::string out;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
    if (pclose(pipe) != 0) return std::nullopt;
    while (!out.empty() && (out.back() == '\n' || out.back() == ' ')) out.pop_back();
    return out;
}

bool Succeeds(const std::string& command) { return Output(command).has_value(); }

// A sparse XFS image with reflink, loop-mounted for the life of the object. Why() is empty
// when it is mounted.
class XfsMount {
public:
    explicit XfsMount(const TempFolder& home) : mImage(home / "xfs.img"), mMount(home / "mnt") {
        if (geteuid() != 0) {
            mWhy = "needs root to set up a loop device and mount it";
            return;
        }
        if (!Succeeds("command -v mkfs.xfs")) {
            mWhy = "mkfs.xfs is not installed (Debian package xfsprogs)";
            return;
        }
        {
            std::ofstream image(mImage, std::ios::binary);
        }
        fs::resize_file(mImage, 512ull << 20);
        if (!Succeeds("mkfs.xfs -q -m reflink=1 " + Quoted(mImage.string()))) {
            mWhy = "mkfs.xfs -m reflink=1 failed";
            return;
        }
        std::optional<std::string> device = Output("losetup -f --show " + Quoted(mImage.string()));
        if (!device || device->empty()) {
            mWhy = "no loop device could be set up (losetup -f failed)";
            return;
        }
        mDevice = *device;
        fs::create_directories(mMount);
        if (!Succeeds("mount -t xfs " + Quoted(mDevice) + " " + Quoted(mMount.string()))) {
            mWhy = "mounting the XFS image on " + mDevice + " was refused";
            return;
        }
        mMounted = true;
    }
    ~XfsMount() {
        if (mMounted) std::system(("umount " + Quoted(mMount.string())).c_str());
        if (!mDevice.empty()) std::system(("losetup -d " + Quoted(mDevice)).c_str());
    }
    XfsMount(const XfsMount&) = delete;
    XfsMount& operator=(const XfsMount&) = delete;

    const std::string& Why() const { return mWhy; }
    const fs::path& Path() const { return mMount; }

private:
    fs::path mImage, mMount;
    std::string mDevice;
    std::string mWhy;
    bool mMounted = false;
};

// Free bytes once the file system has written back what it holds and freed what removed
// files left (XFS frees those in the background; a syncfs waits for it).
std::int64_t FreeBytes(const fs::path& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        syncfs(fd);
        close(fd);
    }
    struct statvfs info {};
    if (statvfs(path.c_str(), &info) != 0) return -1;
    return static_cast<std::int64_t>(info.f_bfree) * static_cast<std::int64_t>(info.f_frsize);
}

std::int64_t BlockSize(const fs::path& path) {
    struct statvfs info {};
    if (statvfs(path.c_str(), &info) != 0) return -1;
    return static_cast<std::int64_t>(info.f_frsize);
}

struct Extent {
    std::int64_t offset, length;
    bool shared;
};

// The file's extents as the file system reports them (delayed allocations flushed first).
std::vector<Extent> Extents(const fs::path& path) {
    std::vector<Extent> extents;
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) return extents;
    constexpr unsigned kBatch = 64;
    std::vector<char> buffer(sizeof(fiemap) + kBatch * sizeof(fiemap_extent));
    std::uint64_t start = 0;
    for (bool more = true; more;) {
        std::fill(buffer.begin(), buffer.end(), 0);
        auto* map = reinterpret_cast<fiemap*>(buffer.data());
        map->fm_start = start;
        map->fm_length = FIEMAP_MAX_OFFSET - start;
        map->fm_flags = FIEMAP_FLAG_SYNC;
        map->fm_extent_count = kBatch;
        if (ioctl(fd, FS_IOC_FIEMAP, map) != 0 || map->fm_mapped_extents == 0) break;
        for (unsigned i = 0; i < map->fm_mapped_extents; ++i) {
            const fiemap_extent& e = map->fm_extents[i];
            extents.push_back({static_cast<std::int64_t>(e.fe_logical), static_cast<std::int64_t>(e.fe_length),
                               (e.fe_flags & FIEMAP_EXTENT_SHARED) != 0});
            start = e.fe_logical + e.fe_length;
            if (e.fe_flags & FIEMAP_EXTENT_LAST) more = false;
        }
    }
    close(fd);
    return extents;
}

// How many bytes of [from, to) lie in shared extents.
std::int64_t SharedBytes(const std::vector<Extent>& extents, std::int64_t from, std::int64_t to) {
    std::int64_t shared = 0;
    for (const Extent& e : extents) {
        if (!e.shared) continue;
        const std::int64_t a = std::max(from, e.offset), b = std::min(to, e.offset + e.length);
        if (b > a) shared += b - a;
    }
    return shared;
}

// What should share, piece by piece, for a piece of `size` bytes starting at `start` in a
// file of `length` bytes: a copy can only share whole blocks at the same place in a block,
// so a piece starting off a block boundary shares nothing, and one starting on it shares its
// whole blocks, and its partial last block too when that is the end of the source.
std::int64_t ExpectedShared(std::int64_t start, std::int64_t size, std::int64_t length, std::int64_t block) {
    if (start % block != 0) return 0;
    return start + size == length ? size : size - size % block;
}

struct Case {
    const char* sizeText;
    bool megabytes;
    bool checksums;
    std::int64_t pieceSize;
    bool everythingShared;  // pieces a multiple of the block size: nothing is copied
};

class CopyOnWrite : public ::testing::Test {
protected:
    void SetUp() override {
        if (!mXfs.Why().empty()) GTEST_SKIP() << mXfs.Why();
        block = BlockSize(mXfs.Path());
        fs::create_directories(mXfs.Path() / "src");
        source = mXfs.Path() / "src" / "big.bin";
        bytes = Pattern(kLength, 7);
        WriteFile(source, bytes);
        ASSERT_EQ(fs::file_size(source), static_cast<std::uintmax_t>(kLength));
    }

    // 40 MiB and a bit: the last piece ends inside a block.
    static constexpr std::int64_t kLength = (40 << 20) + 1000;
    TempFolder home;
    XfsMount mXfs{home};
    std::int64_t block = 0;
    fs::path source;
    std::string bytes;
};

TEST_F(CopyOnWrite, SplitAndMergeShareTheSourcesBlocks) {
    const Case cases[] = {
        {"4", true, true, 4 << 20, true},
        {"4", true, false, 4 << 20, true},
        {"1000", false, true, 1000 << 10, true},      // 1000 KB: a multiple of 4 KiB
        {"1001", false, false, 1001 << 10, false},    // 1001 KB: only every fourth piece starts on a block
    };
    // Each case in a folder of its own, kept to the end: blocks of removed files are freed in
    // the background and would blur the free space of the next case.
    int index = 0;
    for (const Case& c : cases) {
        const std::string label = std::string(c.sizeText) + (c.megabytes ? " MB" : " KB") +
                                  (c.checksums ? "" : " --no-checksum");
        const fs::path set = mXfs.Path() / ("set" + std::to_string(++index));
        fs::create_directories(set);

        std::int64_t before = FreeBytes(mXfs.Path());
        std::string split = kCli + " split " + Quoted(source.string()) + " " + Quoted(set.string()) + " " +
                            c.sizeText + (c.megabytes ? " --unit MB" : "") + (c.checksums ? "" : " --no-checksum");
        ASSERT_TRUE(Succeeds(split)) << label;
        ASSERT_EQ(fs::exists(set / "big.hpe.sha256"), c.checksums) << label;

        const std::int64_t count = (kLength + c.pieceSize - 1) / c.pieceSize;
        std::int64_t copied = 0;  // bytes the split could not share
        for (std::int64_t k = 0; k < count; ++k) {
            char name[32];
            std::snprintf(name, sizeof name, "%03lld.pe", static_cast<long long>(k + 1));
            const std::int64_t start = k * c.pieceSize;
            const std::int64_t size = std::min(c.pieceSize, kLength - start);
            ASSERT_EQ(fs::file_size(set / name), static_cast<std::uintmax_t>(size)) << label << " " << name;
            const std::int64_t expected = ExpectedShared(start, size, kLength, block);
            EXPECT_EQ(SharedBytes(Extents(set / name), 0, size), expected) << label << " " << name;
            copied += size - expected;
        }
        EXPECT_EQ(copied == 0, c.everythingShared) << label;
        std::int64_t after = FreeBytes(mXfs.Path());
        if (c.everythingShared) {
            EXPECT_LT(before - after, kLength / 20) << label << ": split";
        }

        before = after;
        ASSERT_TRUE(Succeeds(kCli + " merge " + Quoted((set / "big.hpe").string()) + " " + Quoted(set.string())))
            << label;
        const fs::path merged = set / "big.bin";
        EXPECT_TRUE(ReadFile(merged) == bytes) << label << ": the merged file differs from the source";
        const std::vector<Extent> extents = Extents(merged);
        // Every piece that started on a block boundary is shared in the merged file at its place.
        for (std::int64_t start = 0; start < kLength; start += c.pieceSize) {
            const std::int64_t size = std::min(c.pieceSize, kLength - start);
            const std::int64_t expected = ExpectedShared(start, size, kLength, block);
            EXPECT_EQ(SharedBytes(extents, start, start + expected), expected) << label << " piece at " << start;
        }
        after = FreeBytes(mXfs.Path());
        if (c.everythingShared) {
            EXPECT_LT(before - after, kLength / 20) << label << ": merge";
        }
    }
}

// A piece larger than a chunk is copied chunk after chunk, and the chunk size is no
// multiple of a block: the copies still start on block boundaries, so nothing is copied.
TEST_F(CopyOnWrite, PiecesOfManyChunksShareEveryBlock) {
    RunOptions options;
    options.chunkSize = (3 << 20) + 704;  // like the real chunk size, 704 bytes past a block
    const fs::path set = mXfs.Path() / "chunks";
    fs::create_directories(set);
    RecordingReporter reporter;
    const std::int64_t before = FreeBytes(mXfs.Path());
    SplitInput split{source.string(), set.string(), PieceSize::Read("16", true), false};
    ASSERT_EQ(SplitRun(split, reporter, options), RunOutcome::Completed);
    const std::int64_t pieceSize = 16 << 20;
    for (const char* name : {"001.pe", "002.pe", "003.pe"}) {
        const std::int64_t size = static_cast<std::int64_t>(fs::file_size(set / name));
        EXPECT_EQ(SharedBytes(Extents(set / name), 0, size), size) << name;
    }
    ASSERT_EQ(MergeRun(MergeInput{(set / "big.hpe").string(), set.string()}, reporter, options), RunOutcome::Completed);
    EXPECT_TRUE(ReadFile(set / "big.bin") == bytes);
    EXPECT_EQ(SharedBytes(Extents(set / "big.bin"), 0, kLength), kLength);
    EXPECT_LT(before - FreeBytes(mXfs.Path()), pieceSize / 4);
}

// Where a piece lies on the source's blocks, its checksum is read from the source, whose pages
// the run has cached, not from the piece, whose pages it has not; a source that changes during
// the run has its shared pieces read back after all.
TEST_F(CopyOnWrite, ChecksumsAreReadFromTheSourceWhileItStaysAsItWas) {
    static int sFromSource = 0, sFromPiece = 0;
    SetFaultHook([](std::string_view point) {
        sFromSource += point == "hash-source";
        sFromPiece += point == "hash-piece";
    });
    struct Row {
        const char* what;
        bool touched;  // the source is written to (the same byte again) during the run
        int fromSource, fromPiece;
    };
    const Row rows[] = {
        {"unchanged", false, 11, 0},
        {"changed during the run", true, 11, 11},
    };
    int index = 0;
    for (const Row& row : rows) {
        sFromSource = sFromPiece = 0;
        const fs::path set = mXfs.Path() / ("hashed" + std::to_string(++index));
        fs::create_directories(set);
        RecordingReporter reporter;
        reporter.onEvents = [&](int events) {
            if (!row.touched || events != 3) return;
            std::fstream(source, std::ios::in | std::ios::out | std::ios::binary).write(bytes.data(), 1);
        };
        ASSERT_EQ(SplitRun({source.string(), set.string(), PieceSize::Read("4", true)}, reporter), RunOutcome::Completed) << row.what;
        EXPECT_EQ(sFromSource, row.fromSource) << row.what;
        EXPECT_EQ(sFromPiece, row.fromPiece) << row.what;
        RecordingReporter verified;
        EXPECT_EQ(VerifyRun({(set / "big.hpe").string(), set.string()}, verified), RunOutcome::Completed) << row.what;
    }
    SetFaultHook(nullptr);
}

}  // namespace
}  // namespace tirnel
