// What a run does to its folder beyond the set: the lock that keeps two runs apart, the
// leftovers of killed runs it clears, and what it says when it cannot remove its own files.

#include "pieceset/MergeRun.h"
#include "pieceset/Notices.h"
#include "pieceset/SplitRun.h"
#include "pieceset/Staging.h"
#include "pieceset/VerifyRun.h"
#include "platform/io/FolderLock.h"
#include "tests/pieceset/RunTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tirnel {
namespace {

using namespace test;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

RunOutcome SplitInto(const TempFolder& folder, const std::string& source, RecordingReporter& reporter,
                     RunOptions options = {}) {
    return SplitRun({(folder / source).string(), folder.Text(), PieceSize::Read("1", false)}, reporter, options);
}

TEST(RunFolder, ASecondRunIntoALockedFolderIsRefusedAtOnce) {
    TempFolder folder;
    WriteFile(folder / "a.bin", Pattern(3000));
    RecordingReporter first;
    ASSERT_EQ(SplitInto(folder, "a.bin", first), RunOutcome::Completed);
    WriteFile(folder / "b.bin", Pattern(4000));
    const auto before = Snapshot(folder.Path());
    {
        FolderLock other = FolderLock::Take(folder.Path());
        ASSERT_EQ(other.GetState(), FolderLock::State::Held);
        RecordingReporter split, merge;
        EXPECT_EQ(SplitInto(folder, "b.bin", split), RunOutcome::Refused);
        EXPECT_THAT(split.notices, ElementsAre("另一个分割或合并正在使用这个文件夹,请等它完成后再试!"));
        EXPECT_EQ(MergeRun({(folder / "a.hpe").string(), folder.Text()}, merge), RunOutcome::Refused);
        EXPECT_THAT(merge.notices, ElementsAre(notice::kFolderBusy));
        EXPECT_EQ(Snapshot(folder.Path()), before);
    }
    RecordingReporter later;
    later.answer = true;
    EXPECT_EQ(SplitInto(folder, "b.bin", later), RunOutcome::Completed) << "the lock ends with its holder";
}

TEST(RunFolder, ClearsWhatKilledRunsLeftAndNothingElse) {
    TempFolder folder;
    WriteFile(folder / "a.bin", Pattern(3000));
    WriteFile(folder / "kept.txt", "a file in place");
    const std::map<std::string, bool> files{
        {".tirnel-0123456789ab-1.part", false},    // a staging file of a killed run
        {".tirnel-0123456789ab-hpe.part", false},
        {".tirnel-0123456789ab-2.old", true},      // moved aside by rename: the only copy left
        {".tirnel-0123456789ab-3.old", false},     // a second name of kept.txt
        {".tirnel-notes.part", true},               // not of the pattern
        {".tirnel-0123456789AB-1.part", true},
        {".a.bin.0123456789ab.part", true},
        {"tirnel-0123456789ab-1.part", true},
    };
    for (const auto& [name, stays] : files) {
        if (name.ends_with("-3.old")) fs::create_hard_link(folder / "kept.txt", folder / name);
        else WriteFile(folder / name, "left behind");
    }
    RecordingReporter reporter;
    ASSERT_EQ(SplitInto(folder, "a.bin", reporter), RunOutcome::Completed);
    for (const auto& [name, stays] : files) EXPECT_EQ(fs::exists(folder / name), stays) << name;
    EXPECT_EQ(ReadFile(folder / "kept.txt"), "a file in place");
}

TEST(RunFolder, SettlesTheJournalsOfKilledCommits) {
    // A commit of 001.pe (over an older one, kept aside) and d.hpe (new), killed after both
    // renames; the next run that takes the lock settles it.
    const std::string steps = "tirnel-journal 1\npe 1 001.pe\np- hpe d.hpe\n";
    struct Row {
        const char* what;
        std::string journal;
        bool blocked;         // 001.pe cannot take the old file back: a folder is in the way
        const char* refusal;  // of the next run; "" when it goes on
        const char* piece;    // what 001.pe holds afterwards
        bool descriptor;      // d.hpe is there afterwards
    };
    const Row rows[] = {
        {"walked back", steps + "end\n", false, "", "old piece", false},
        {"finished once done", steps + "end\ndone\n", false, "", "new piece", true},
        {"cannot be walked back", steps + "end\n", true,
         "这个文件夹中有一次被中断的保存未能恢复原状,请先处理以下文件:001.pe、.tirnel-0123456789ab-1.old、"
         ".tirnel-0123456789ab.journal。",
         "<folder>", false},
    };
    for (const Row& row : rows) {
        TempFolder folder;
        WriteFile(folder / ".tirnel-0123456789ab.journal", row.journal);
        WriteFile(folder / ".tirnel-0123456789ab-1.old", "old piece");
        if (row.blocked) fs::create_directories(folder / "001.pe" / "inside");
        else WriteFile(folder / "001.pe", "new piece");
        WriteFile(folder / "d.hpe", "new descriptor");
        RecordingReporter next;
        VerifyRun({(folder / "d.hpe").string(), folder.Text()}, next);
        if (*row.refusal) EXPECT_THAT(next.notices, ElementsAre(row.refusal)) << row.what;
        else EXPECT_FALSE(HoldsHiddenFiles(folder.Path())) << row.what;
        EXPECT_EQ(fs::is_directory(folder / "001.pe") ? "<folder>" : ReadFile(folder / "001.pe"), row.piece) << row.what;
        EXPECT_EQ(fs::exists(folder / "d.hpe"), row.descriptor) << row.what;
    }
}

TEST(RunFolder, SaysWhichFilesItCouldNotRemove) {
    // A staged file replaced by a folder with something in it cannot be removed.
    enum class End { Stop, Fail };
    for (End end : {End::Stop, End::Fail}) {
        TempFolder folder;
        WriteFile(folder / "s.bin", Pattern(5000));
        RecordingReporter reporter;
        std::string blocked;
        reporter.onEvents = [&](int events) {
            if (events != 2) return;
            for (const auto& entry : fs::directory_iterator(folder.Path())) {
                const std::string name = entry.path().filename().string();
                if (!IsStagingName(name) || !blocked.empty()) continue;
                blocked = name;
                fs::remove(entry.path());
                fs::create_directories(entry.path() / "inside");
            }
            if (end == End::Stop) reporter.stop = true;
            else fs::resize_file(folder / "s.bin", 2100);
        };
        const RunOutcome outcome = SplitInto(folder, "s.bin", reporter, {ChunkSize, false});
        EXPECT_EQ(outcome, end == End::Stop ? RunOutcome::Stopped : RunOutcome::Failed);
        ASSERT_FALSE(blocked.empty());
        ASSERT_EQ(reporter.notices.size(), 1u);
        EXPECT_THAT(reporter.notices[0], HasSubstr("本次写入的临时文件未能删除,请手动删除:"));
        EXPECT_THAT(reporter.notices[0], HasSubstr(blocked));
        EXPECT_THAT(reporter.notices[0], Not(HasSubstr(notice::kRemovedWritten)));
        // Everything else it wrote is gone.
        std::size_t staged = 0;
        for (const auto& entry : fs::directory_iterator(folder.Path())) staged += IsStagingName(entry.path().filename().string());
        EXPECT_EQ(staged, 1u);
    }
}

TEST(RunFolder, NamedStagingStillLeavesTheFolderAsItWas) {
    // Where unnamed files cannot be had: the same set, and no hidden file left after a stop.
    TempFolder folder;
    WriteFile(folder / "n.bin", Pattern(5000));
    WriteFile(folder / "002.pe", "older piece");
    const auto before = Snapshot(folder.Path());
    RecordingReporter stopped;
    stopped.onEvents = [&](int events) { stopped.stop = events >= 3; };
    EXPECT_EQ(SplitInto(folder, "n.bin", stopped, {ChunkSize, false}), RunOutcome::Stopped);
    EXPECT_EQ(Snapshot(folder.Path()), before);
    RecordingReporter done;
    ASSERT_EQ(SplitInto(folder, "n.bin", done, {ChunkSize, false}), RunOutcome::Completed);
    EXPECT_EQ(ReadFile(folder / "002.pe"), Pattern(5000).substr(1024, 1024));
    EXPECT_EQ(Snapshot(folder.Path()).size(), 8u) << "five pieces, the descriptor, its checksums and the source";
}

}  // namespace
}  // namespace tirnel
