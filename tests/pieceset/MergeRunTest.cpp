#include "pieceset/MergeRun.h"

#include "pieceset/Descriptor.h"
#include "pieceset/Notices.h"
#include "pieceset/PieceSetFormat.h"
#include "pieceset/SplitRun.h"
#include "tests/pieceset/FileSizeLimit.h"
#include "tests/pieceset/RunTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tirnel {
namespace {

using namespace test;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

// A piece set in its own folder, cut from `length` bytes of a known pattern.
struct PieceSet {
    TempFolder folder;
    std::string name;
    std::string bytes;
    std::int64_t chunk;

    PieceSet(const std::string& fileName, std::size_t length, const std::string& size, bool megabytes = false,
             std::int64_t chunkSize = ChunkSize)
        : name(fileName), bytes(Pattern(length, static_cast<unsigned>(length))), chunk(chunkSize) {
        TempFolder source;
        WriteFile(source / name, bytes);
        RecordingReporter reporter;
        EXPECT_EQ(SplitRun({(source / name).string(), folder.Text(), PieceSize::Read(size, megabytes)}, reporter, {chunk}),
                  RunOutcome::Completed);
    }
    std::string Descriptor() const { return (folder / DescriptorNameOf(name)).string(); }
    // A file of the stored name that a test put there may be replaced.
    RunOutcome Merge(RecordingReporter& reporter) const {
        reporter.answer = true;
        return MergeRun({Descriptor(), folder.Text()}, reporter, {chunk});
    }
    void WriteDescriptor(const std::string& storedName, const std::string& payload) const {
        WriteFile(folder / DescriptorNameOf(name), storedName + ":" + ScrambleText(payload) + "\r\n");
    }
};

TEST(MergeRun, RebuildsWhatTheSplitCut) {
    struct Case {
        const char* name;
        std::size_t length;
        const char* size;
        bool megabytes;
        std::int64_t chunk;
        std::vector<int> progress;
    };
    const Case cases[] = {
        {"a.bin", 2500, "1", false, ChunkSize, {33, 67, 100, 0}},
        {"b.bin", 2048, "1", false, ChunkSize, {50, 100, 0}},
        {"测试 文件.tar.gz", 5000, "002", false, ChunkSize, {33, 67, 100, 0}},
        {"report", 1048576 + 1, "1", true, ChunkSize, {50, 100, 0}},
        {"chunks.bin", 21 * 1024, "10", false, 4096, {14, 29, 43, 57, 71, 86, 100, 0}},
        {"exact.bin", 20 * 1024, "10", false, 4096, {17, 33, 50, 67, 83, 100, 0}},
        {"f.bin", 4000, "1.5", false, ChunkSize, {33, 67, 100, 0}},  // pieces of 1536 bytes, as the split cut them
    };
    for (const Case& c : cases) {
        PieceSet set(c.name, c.length, c.size, c.megabytes, c.chunk);
        RecordingReporter reporter;
        ASSERT_EQ(set.Merge(reporter), RunOutcome::Completed) << c.name;
        EXPECT_THAT(reporter.notices, ElementsAre(notice::kMergeDone));
        EXPECT_THAT(reporter.progress, ElementsAreArray(c.progress)) << c.name;
        EXPECT_EQ(ReadFile(set.folder / c.name), set.bytes) << c.name;
    }
}

TEST(MergeRun, ReplacesAnOutputOfTheStoredNameAndIgnoresTheDescriptorsOwnName) {
    PieceSet set("data.bin", 3000, "1");
    WriteFile(set.folder / "data.bin", "an older file");
    fs::rename(set.Descriptor(), set.folder / "renamed.hpe");
    RecordingReporter reporter;
    reporter.answer = true;
    EXPECT_EQ(MergeRun({(set.folder / "renamed.hpe").string(), set.folder.Text()}, reporter), RunOutcome::Completed);
    ASSERT_EQ(reporter.asked.size(), 1u);
    EXPECT_EQ(reporter.asked[0].kind, QuestionKind::ReplaceFile);
    EXPECT_EQ(ReadFile(set.folder / "data.bin"), set.bytes);
    EXPECT_EQ(Snapshot(set.folder.Path()).size(), 6u) << "three pieces, the descriptor, its checksums and the output";
}

TEST(MergeRun, RefusesMissingInputWithTheBarReset) {
    PieceSet set("d.bin", 3000, "1");
    const std::pair<MergeInput, const char*> cases[] = {
        {{"", set.folder.Text()}, "请指定待合并文件!"},
        {{"  ", set.folder.Text()}, notice::kNoDescriptor},
        {{(set.folder / "none.hpe").string(), set.folder.Text()}, notice::kNoDescriptor},
        {{set.Descriptor(), ""}, notice::kNoFolder},
        {{set.Descriptor(), (set.folder / "nowhere").string()}, notice::kNoFolder},
    };
    for (const auto& [input, text] : cases) {
        RecordingReporter reporter;
        EXPECT_EQ(MergeRun(input, reporter), RunOutcome::Refused);
        EXPECT_THAT(reporter.notices, ElementsAre(text));
        EXPECT_THAT(reporter.progress, ElementsAre(0));
    }
}

// Each case damages a set of 10 KB pieces (chunks of 4 KB) cut from 25 KB, and names the
// piece the notice must name.
TEST(MergeRun, ChecksEveryPieceBeforeWritingAnything) {
    struct Case {
        const char* what;
        std::function<void(const PieceSet&)> damage;
        const char* piece;
        const char* reason;
    };
    const Case cases[] = {
        {"missing middle", [](const PieceSet& s) { fs::remove(s.folder / "002.pe"); }, "002.pe", "找不到"},
        {"missing last", [](const PieceSet& s) { fs::remove(s.folder / "003.pe"); }, "003.pe", "找不到"},
        {"middle is a folder", [](const PieceSet& s) {
             fs::remove(s.folder / "002.pe");
             fs::create_directory(s.folder / "002.pe");
         }, "002.pe", "找不到"},
        {"short middle", [](const PieceSet& s) { fs::resize_file(s.folder / "001.pe", 10239); }, "001.pe", "大小"},
        {"long middle", [](const PieceSet& s) { fs::resize_file(s.folder / "002.pe", 10241); }, "002.pe", "大小"},
        {"empty last", [](const PieceSet& s) { fs::resize_file(s.folder / "003.pe", 0); }, "003.pe", "大小"},
        {"long last", [](const PieceSet& s) { fs::resize_file(s.folder / "003.pe", 10241); }, "003.pe", "大小"},
        // The count says the last piece holds two chunks (4097..8192 bytes).
        {"last too short for its chunks", [](const PieceSet& s) { fs::resize_file(s.folder / "003.pe", 4096); },
         "003.pe", "大小"},
        {"last too long for its chunks", [](const PieceSet& s) { fs::resize_file(s.folder / "003.pe", 8193); },
         "003.pe", "大小"},
    };
    for (const Case& c : cases) {
        PieceSet set("p.bin", 25 * 1024, "10", false, 4096);
        c.damage(set);
        const auto before = Snapshot(set.folder.Path());
        RecordingReporter reporter;
        EXPECT_EQ(set.Merge(reporter), RunOutcome::Refused) << c.what;
        ASSERT_EQ(reporter.notices.size(), 1u) << c.what;
        EXPECT_THAT(reporter.notices[0], HasSubstr(c.piece)) << c.what;
        EXPECT_THAT(reporter.notices[0], HasSubstr(c.reason)) << c.what;
        EXPECT_THAT(reporter.progress, ElementsAre(0));
        EXPECT_EQ(Snapshot(set.folder.Path()), before) << c.what;
    }
}

TEST(MergeRun, RefusesDescriptorsThatDoNotDecodeOrEscapeTheFolder) {
    struct Case {
        std::string stored;
        std::string payload;
        const char* notice;
    };
    const Case cases[] = {
        {"../escape.bin", "1k:3", "描述文件中保存的文件名无效,无法合并!"},
        {"sub/escape.bin", "1k:3", notice::kBadStoredName},
        {"back\\slash.bin", "1k:3", notice::kBadStoredName},
        {"", "1k:3", notice::kBadStoredName},
        {".", "1k:3", notice::kBadStoredName},
        {"..", "1k:3", notice::kBadStoredName},
        {"x.bin", "1g:3", "这不是有效的分割描述文件,无法合并!"},
        {"x.bin", "1k:0", notice::kBadDescriptor},
        {"x.bin", "0k:3", notice::kBadDescriptor},
        {"x.bin", "1k", notice::kBadDescriptor},
        // Sets whose whole length would not fit in 64 bits.
        {"x.bin", "400000k:9223372036854775000", notice::kBadDescriptor},
        {"x.bin", "1k:9223372036854775807", notice::kBadDescriptor},
        {"x.bin", "8796093022207m:53543417920", notice::kBadDescriptor},  // two full pieces of 2^63 - 1 MiB
        {"001.pe", "1k:3", "合并出的文件会覆盖分割文件,无法合并!"},
        {"003.pe", "1k:3", notice::kOutputIsPiece},
        {"002.PE", "1k:3", notice::kOutputIsPiece},  // the same file where letter case does not count
    };
    for (const Case& c : cases) {
        PieceSet set("q.bin", 3000, "1");
        set.WriteDescriptor(c.stored, c.payload);
        const auto before = Snapshot(set.folder.Path());
        RecordingReporter reporter;
        EXPECT_EQ(set.Merge(reporter), RunOutcome::Refused) << c.stored << " " << c.payload;
        EXPECT_THAT(reporter.notices, ElementsAre(c.notice)) << c.stored << " " << c.payload;
        EXPECT_EQ(Snapshot(set.folder.Path()), before);
        EXPECT_FALSE(fs::exists(set.folder.Path().parent_path() / "escape.bin"));
    }
    PieceSet set("r.bin", 3000, "1");
    WriteFile(set.Descriptor(), "no separator at all");
    RecordingReporter reporter;
    EXPECT_EQ(set.Merge(reporter), RunOutcome::Refused);
    EXPECT_THAT(reporter.notices, ElementsAre(notice::kBadDescriptor));
}

TEST(MergeRun, ACraftedCountNeverReplacesAFileWithNothing) {
    // A chunk count near 2^63 with pieces above the chunk size; no piece exists.
    TempFolder folder;
    WriteFile(folder / "report.doc", "the user's report");
    WriteFile(folder / "r.hpe", "report.doc:TGQML\\@JUV\nK_HIYQ[FLQOSXNMQ\r\n");
    const auto before = Snapshot(folder.Path());
    RecordingReporter reporter;
    EXPECT_EQ(MergeRun({(folder / "r.hpe").string(), folder.Text()}, reporter), RunOutcome::Refused);
    EXPECT_THAT(reporter.notices, ElementsAre(notice::kBadDescriptor));
    EXPECT_EQ(Snapshot(folder.Path()), before);
}

TEST(MergeRun, FailureOrStopLeavesTheOldOutputAndNoTemporaryFile) {
    for (bool stop : {false, true}) {
        PieceSet set("o.bin", 9000, "2");
        WriteFile(set.folder / "o.bin", "keep me");
        const auto before = Snapshot(set.folder.Path());
        RecordingReporter reporter;
        RunOutcome outcome;
        if (stop) {
            reporter.onEvents = [&](int events) { reporter.stop = events >= 3; };
            outcome = set.Merge(reporter);
        } else {
            FileSizeLimit limit(3000);
            outcome = set.Merge(reporter);
        }
        EXPECT_EQ(outcome, stop ? RunOutcome::Stopped : RunOutcome::Failed);
        if (!stop) {
            ASSERT_EQ(reporter.notices.size(), 1u);
            EXPECT_THAT(reporter.notices[0], HasSubstr("文件太大"));
        }
        EXPECT_EQ(reporter.progress.back(), 0);
        EXPECT_EQ(Snapshot(set.folder.Path()), before);
    }
}

TEST(MergeRun, APieceChangedDuringTheRunFailsCleanly) {
    // The last piece of five, checked at 808 bytes, grows or shrinks once the run has begun.
    const struct {
        const char* what;
        std::string newSize;
        bool olderOutput;
    } cases[] = {{"grown", Pattern(4096), true}, {"shrunk", "x", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PieceSet set("g.bin", 9000, "2");
        if (c.olderOutput) WriteFile(set.folder / "g.bin", "keep me");
        const auto before = Snapshot(set.folder.Path());
        RecordingReporter reporter;
        bool changed = false;
        reporter.onEvents = [&](int) {
            if (!changed) WriteFile(set.folder / "005.pe", c.newSize);
            changed = true;
        };
        EXPECT_EQ(set.Merge(reporter), RunOutcome::Failed);
        ASSERT_EQ(reporter.notices.size(), 1u);
        EXPECT_THAT(reporter.notices[0], HasSubstr("005.pe"));
        auto after = Snapshot(set.folder.Path());
        EXPECT_EQ(after.size(), before.size());
        EXPECT_EQ(after.count("g.bin"), before.count("g.bin"));
        if (c.olderOutput) {
            EXPECT_EQ(after["g.bin"], before.at("g.bin"));
        }
    }
}

}  // namespace
}  // namespace tirnel
