#include "pieceset/SplitRun.h"
#include "pieceset/Staging.h"

#include "pieceset/Descriptor.h"
#include "pieceset/MergeRun.h"
#include "pieceset/Notices.h"
#include "pieceset/PieceSetFormat.h"
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

struct Split {
    TempFolder folder;
    RecordingReporter reporter;
    RunOutcome outcome{};

    RunOutcome Run(const std::string& source, const std::string& sizeText, bool megabytes = false,
                   std::int64_t chunk = ChunkSize) {
        outcome = SplitRun({source, folder.Text(), PieceSize::Read(sizeText, megabytes)}, reporter, {chunk});
        return outcome;
    }
    std::string Payload(const std::string& descriptorName) {
        DescriptorError error;
        auto content = ParseDescriptor(ReadFile(folder / descriptorName), error);
        return content ? content->name + "|" + content->payload : "<unreadable>";
    }
};

TEST(SplitRun, RefusesBadInputInOrderAndWritesNothing) {
    TempFolder src;
    WriteFile(src / "a.bin", Pattern(5000));
    fs::create_directory(src / "dir");
    const std::string file = (src / "a.bin").string();
    struct Case {
        std::string source, folder, size, notice;
    };
    const std::string folder = src.Text();
    const Case cases[] = {
        {"", "", "0", notice::kNoSource},
        {"   ", folder, "100", notice::kNoSource},
        {(src / "missing").string(), folder, "100", notice::kNoSource},
        {(src / "dir").string(), folder, "100", notice::kNoSource},
        {file, "", "100", "请指定保存目录!"},
        {file, "  ", "100", notice::kNoFolder},
        {file, (src / "nowhere").string(), "100", notice::kNoFolder},
        {file, file, "100", notice::kNoFolder},
        {file, folder, "0", "分割大小不能小于1!"},
        {file, folder, "00", notice::kSizeBelowOne},
        {file, folder, "", notice::kSizeBelowOne},
        {file, folder, "0.9", notice::kSizeBelowOne},
        {file, folder, "-5", notice::kSizeBelowOne},
        {file, folder, "99999999999999999999", "分割大小太大!"},
        {file, folder, "1:2", "分割大小只能填写数字!"},
    };
    const auto before = Snapshot(src.Path());
    for (const Case& c : cases) {
        RecordingReporter reporter;
        EXPECT_EQ(SplitRun({c.source, c.folder, PieceSize::Read(c.size, false)}, reporter), RunOutcome::Refused);
        EXPECT_THAT(reporter.notices, ElementsAre(c.notice)) << c.source << " " << c.folder << " " << c.size;
        EXPECT_TRUE(reporter.progress.empty());
    }
    EXPECT_EQ(Snapshot(src.Path()), before);
}

TEST(SplitRun, RefusesWhatItCannotSplitAndLeavesTheFolderAsItWas) {
    const struct {
        std::string name;
        std::size_t length;
        std::string size;
        const char* notice;
        std::vector<int> progress;  // a file of one piece is looked at before it is refused
    } cases[] = {
        {"small.bin", 1000, "1", "你不需要分割这个文件!", {0}},
        {"002.pe", 3000, "1", "源文件与分割文件同名,合并时无法在同一个文件夹中重建它,请先给文件改名再分割!", {}},
        {"002.PE", 3000, "1", notice::kStoredNameIsPiece, {}},
        {"x.hpe", 3000, "1", "源文件会被分割出的文件覆盖,请选择其他目标文件夹!", {}},
        {"x.HPE", 3000, "1", notice::kSourceIsTarget, {}},  // x.hpe where letter case does not count
        {"a:b.txt", 3000, "1", "源文件名含有\":\"或\"\\\",分割文件无法保存这样的文件名,请先给文件改名再分割!", {}},
        {"back\\slash.txt", 3000, "1", notice::kNameHasSeparator, {}},
        {"smile\xF0\x9F\x98\x80.txt", 3000, "1", "源文件名含有简体中文代码页无法保存的字符,请先给文件改名再分割!", {}},
        // Blanks between digits are read over, so this is 10 KB written in 70,002 characters.
        {"t.bin", 30000, "1" + std::string(70000, ' ') + "0", "分割大小填写得太长,描述文件无法保存!", {}},
    };
    for (const auto& c : cases) {
        Split s;
        WriteFile(s.folder / c.name, Pattern(c.length));
        const auto before = Snapshot(s.folder.Path());
        EXPECT_EQ(s.Run((s.folder / c.name).string(), c.size), RunOutcome::Refused) << c.name;
        EXPECT_THAT(s.reporter.notices, ElementsAre(c.notice)) << c.name;
        EXPECT_EQ(s.reporter.progress, c.progress) << c.name;
        EXPECT_EQ(Snapshot(s.folder.Path()), before) << c.name;
    }
}

TEST(SplitRun, CutsPiecesAndWritesTheDescriptor) {
    struct Case {
        std::size_t length;
        const char* size;
        bool megabytes;
        std::int64_t chunk;
        std::vector<std::size_t> pieces;
        const char* payload;  // the count is of chunks, not pieces
        std::vector<int> progress;
    };
    const Case cases[] = {
        {2048, "1", false, ChunkSize, {1024, 1024}, "1k:2", {50, 100, 0}},
        {3000, "1", false, ChunkSize, {1024, 1024, 952}, "1k:3", {33, 67, 100, 0}},
        {1024, "1", false, ChunkSize, {1024}, "1k:1", {100, 0}},
        {2 * 1048576 + 5, "1", true, ChunkSize, {1048576, 1048576, 5}, "1m:3", {33, 67, 100, 0}},
        {7200, "007", false, ChunkSize, {7168, 32}, "007k:2", {50, 100, 0}},
        // Pieces of 10 KB moved in chunks of 4 KB: 4+4+2, 4+4+2, then 1.
        {21 * 1024, "10", false, 4096, {10240, 10240, 1024}, "10k:7", {14, 29, 43, 57, 71, 86, 100, 0}},
        // Eight chunks, whose progress ties go to even: 12.5 -> 12, 37.5 -> 38, 62.5 -> 62, 87.5 -> 88.
        {8 * 1024, "2", false, 1024, {2048, 2048, 2048, 2048}, "2k:8", {12, 25, 38, 50, 62, 75, 88, 100, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        Split s;
        const std::string bytes = Pattern(c.length, static_cast<unsigned>(c.length));
        WriteFile(s.folder / "数据.tar.gz", bytes);
        ASSERT_EQ(s.Run((s.folder / "数据.tar.gz").string(), c.size, c.megabytes, c.chunk), RunOutcome::Completed);
        EXPECT_THAT(s.reporter.notices, ElementsAre(notice::kSplitDone));
        EXPECT_THAT(s.reporter.progress, ElementsAreArray(c.progress));
        std::string joined;
        for (std::size_t n = 0; n < c.pieces.size(); ++n) {
            std::string piece = ReadFile(s.folder / PieceName(static_cast<std::int64_t>(n + 1)));
            EXPECT_EQ(piece.size(), c.pieces[n]);
            joined += piece;
        }
        EXPECT_EQ(joined, bytes);
        EXPECT_EQ(s.Payload("数据.tar.hpe"), std::string("数据.tar.gz|") + c.payload);
        EXPECT_EQ(Snapshot(s.folder.Path()).size(), c.pieces.size() + 3) << "pieces, descriptor, checksums, source: no temporary file is left";
    }
}

TEST(SplitRun, DescriptorNamesFollowTheBaseRule) {
    const std::pair<const char*, const char*> cases[] = {
        {"report", "report.hpe"}, {"a.b.c", "a.b.hpe"}, {".profile", ".profile.hpe"}};
    for (const auto& [name, descriptor] : cases) {
        Split s;
        WriteFile(s.folder / name, Pattern(2000));
        ASSERT_EQ(s.Run((s.folder / name).string(), "1"), RunOutcome::Completed) << name;
        EXPECT_EQ(s.Payload(descriptor), std::string(name) + "|1k:2");
    }
}

TEST(SplitRun, WritesTheDescriptorByteForByte) {
    // Name in code page 936, ":", the scrambled payload, CR LF: what the original program reads.
    const std::pair<const char*, std::string> cases[] = {
        {"a.bin", std::string("a.bin:\x5C\x04\x47\x41\r\n")},  // 1k:3
        {"测试 文件.tar.gz", std::string("\xB2\xE2\xCA\xD4 \xCE\xC4\xBC\xFE.tar.gz:\x5E\x14\x49\x44\x59\x5D\r\n")},  // 002k:3
    };
    const char* sizes[] = {"1", "002"};
    const std::size_t lengths[] = {2500, 5000};
    for (std::size_t i = 0; i < 2; ++i) {
        Split s;
        WriteFile(s.folder / cases[i].first, Pattern(lengths[i]));
        ASSERT_EQ(s.Run((s.folder / cases[i].first).string(), sizes[i]), RunOutcome::Completed) << cases[i].first;
        EXPECT_EQ(ReadFile(s.folder / DescriptorNameOf(cases[i].first)), cases[i].second) << cases[i].first;
    }
}

TEST(SplitRun, TheBarIsToldOnlyWhatChangesItHoweverManyPieces) {
    Split s;
    WriteFile(s.folder / "m.bin", Pattern(1000 * 1024));
    ASSERT_EQ(s.Run((s.folder / "m.bin").string(), "1"), RunOutcome::Completed);
    ASSERT_EQ(s.reporter.progress.size(), 102u) << "the values 0 … 100, then the 0 at the end";
    EXPECT_EQ(s.reporter.progress.back(), 0);
    EXPECT_EQ(s.reporter.progress[100], 100);
    EXPECT_TRUE(std::is_sorted(s.reporter.progress.begin(), s.reporter.progress.end() - 1));
}

TEST(SplitRun, ReplacesPiecesOfTheSameNumbersOnly) {
    Split s;
    WriteFile(s.folder / "001.pe", "old one");
    WriteFile(s.folder / "004.pe", "old four");
    WriteFile(s.folder / "f.hpe", "old descriptor");  // unreadable: asked about as another set
    WriteFile(s.folder / "f.bin", Pattern(3000));
    s.reporter.answer = true;
    ASSERT_EQ(s.Run((s.folder / "f.bin").string(), "1"), RunOutcome::Completed);
    EXPECT_EQ(s.reporter.asked.size(), 1u);
    EXPECT_EQ(ReadFile(s.folder / "001.pe"), Pattern(3000).substr(0, 1024));
    EXPECT_EQ(ReadFile(s.folder / "004.pe"), "old four") << "no descriptor accounts for it";
    EXPECT_EQ(s.Payload("f.hpe"), "f.bin|1k:3");
}

TEST(SplitRun, APieceNumberBeyondTheSetIsNoPieceOfIt) {
    Split s;
    WriteFile(s.folder / "009.pe", Pattern(3000));
    EXPECT_EQ(s.Run((s.folder / "009.pe").string(), "1"), RunOutcome::Completed);
    EXPECT_EQ(ReadFile(s.folder / "009.pe"), Pattern(3000));
}

TEST(SplitRun, StoppingRemovesEverythingWritten) {
    Split s;
    WriteFile(s.folder / "001.pe", "old one");
    WriteFile(s.folder / "s.bin", Pattern(5000));
    const auto before = Snapshot(s.folder.Path());
    s.reporter.onEvents = [&](int events) { s.reporter.stop = events >= 2; };
    EXPECT_EQ(s.Run((s.folder / "s.bin").string(), "1"), RunOutcome::Stopped);
    EXPECT_TRUE(s.reporter.notices.empty());
    EXPECT_EQ(s.reporter.progress.back(), 0);
    EXPECT_EQ(Snapshot(s.folder.Path()), before);
}

TEST(SplitRun, CallerBreathesWhileTheSetIsPutInPlace) {
    // Pieces appear under their names one after another; the caller's events are handled
    // between them, not only once the whole set stands.
    Split s;
    WriteFile(s.folder / "s.bin", Pattern(40 * 1024 + 1));
    int partlyPlaced = 0;
    s.reporter.onEvents = [&](int) {
        int placed = 0;
        for (const auto& entry : fs::directory_iterator(s.folder.Path())) {
            placed += entry.path().extension() == ".pe" && !IsStagingName(entry.path().filename().string());
        }
        partlyPlaced += placed > 0 && placed < 41;
    };
    ASSERT_EQ(s.Run((s.folder / "s.bin").string(), "1"), RunOutcome::Completed);
    EXPECT_GE(partlyPlaced, 40);
}

TEST(SplitRun, SourceShrinkingDuringTheRunFailsCleanly) {
    Split s;
    WriteFile(s.folder / "s.bin", Pattern(5000));
    s.reporter.onEvents = [&](int) { fs::resize_file(s.folder / "s.bin", 2100); };
    EXPECT_EQ(s.Run((s.folder / "s.bin").string(), "1"), RunOutcome::Failed);
    ASSERT_EQ(s.reporter.notices.size(), 1u);
    EXPECT_THAT(s.reporter.notices[0], HasSubstr("源文件在分割过程中变短了,分割未完成。"));
    EXPECT_THAT(s.reporter.notices[0], HasSubstr(notice::kRemovedWritten));
    EXPECT_EQ(Snapshot(s.folder.Path()).size(), 1u);
}

TEST(SplitRun, WriteFailureSaysWhyAndLeavesTheFolderAsItWas) {
    Split s;
    WriteFile(s.folder / "001.pe", "old one");
    WriteFile(s.folder / "w.bin", Pattern(8000));
    const auto before = Snapshot(s.folder.Path());
    {
        FileSizeLimit limit(1500);  // the first piece of 2 KB cannot be written whole
        EXPECT_EQ(s.Run((s.folder / "w.bin").string(), "2"), RunOutcome::Failed);
    }
    ASSERT_EQ(s.reporter.notices.size(), 1u);
    EXPECT_THAT(s.reporter.notices[0], HasSubstr("001.pe"));
    EXPECT_THAT(s.reporter.notices[0], HasSubstr("文件太大"));
    EXPECT_EQ(s.reporter.progress.back(), 0);
    EXPECT_EQ(Snapshot(s.folder.Path()), before);
}

TEST(SplitRun, FailureToPutTheSetInPlaceLeavesTheOlderSetAsItWas) {
    // An older set of three pieces; the new one of four cannot put one of its files in place.
    for (const char* blocker : {"004.pe", "b.hpe", "001.pe"}) {
        Split s;
        WriteFile(s.folder / "a.bin", Pattern(3000, 1));
        ASSERT_EQ(s.Run((s.folder / "a.bin").string(), "1"), RunOutcome::Completed);
        fs::rename(s.folder / "a.hpe", s.folder / "b.hpe");  // the new set's descriptor replaces it
        if (std::string(blocker) == "001.pe") fs::remove(s.folder / "001.pe");
        if (!fs::exists(s.folder / blocker)) fs::create_directory(s.folder / blocker);
        else {
            fs::remove(s.folder / blocker);
            fs::create_directory(s.folder / blocker);
        }
        WriteFile(s.folder / "b.bin", Pattern(4000, 2));
        const auto before = Snapshot(s.folder.Path());
        s.reporter.notices.clear();
        s.reporter.answer = true;  // b.hpe records a.bin: another file's set
        EXPECT_EQ(s.Run((s.folder / "b.bin").string(), "1"), RunOutcome::Failed) << blocker;
        ASSERT_EQ(s.reporter.notices.size(), 1u) << blocker;
        EXPECT_THAT(s.reporter.notices[0], HasSubstr(blocker));
        EXPECT_THAT(s.reporter.notices[0], HasSubstr(notice::kRemovedWritten));
        EXPECT_EQ(Snapshot(s.folder.Path()), before) << blocker;
    }
}

TEST(SplitRun, NamesUpToTheFileSystemsLimit) {
    // 255 bytes is the longest name of most file systems; staging names must not add to it.
    const std::string chinese80 = [] {
        std::string text;
        for (int i = 0; i < 80; ++i) text += "文";
        return text;
    }();
    for (const std::string& name : {std::string(251, 'a') + ".bin", chinese80 + ".bin", chinese80 + "12345678901.bin"}) {
        Split s;
        TempFolder source;
        WriteFile(source / name, Pattern(3000));
        ASSERT_EQ(s.Run((source / name).string(), "1"), RunOutcome::Completed) << name.size();
        RecordingReporter reporter;
        const std::string descriptor = (s.folder / DescriptorNameOf(name)).string();
        ASSERT_EQ(MergeRun({descriptor, s.folder.Text()}, reporter), RunOutcome::Completed) << name.size();
        EXPECT_EQ(ReadFile(s.folder / name), Pattern(3000));
    }
}

TEST(SplitRun, SplitsWithTheLongestSizeTextAMergeReads) {
    Split s;
    WriteFile(s.folder / "t.bin", Pattern(30000));
    EXPECT_EQ(s.Run((s.folder / "t.bin").string(), "1" + std::string(60000, ' ') + "0"), RunOutcome::Completed);
}

TEST(SplitRun, FollowsALinkToTheSource) {
    Split s;
    TempFolder elsewhere;
    WriteFile(elsewhere / "real.bin", Pattern(3000));
    fs::create_symlink(elsewhere / "real.bin", s.folder / "link.dat");
    ASSERT_EQ(s.Run((s.folder / "link.dat").string(), "1"), RunOutcome::Completed);
    EXPECT_EQ(s.Payload("link.hpe"), "link.dat|1k:3");
}

}  // namespace
}  // namespace tirnel
