// A run killed while it puts its outputs in place, at every step of the commit: the next run
// that takes the folder's lock walks the commit back or finishes it, so the folder holds the
// complete old state or the complete new one, nothing mixed and nothing hidden.

#include "pieceset/MergeRun.h"
#include "pieceset/Notices.h"
#include "pieceset/SplitRun.h"
#include "pieceset/StagingNames.h"
#include "pieceset/VerifyRun.h"
#include "platform/io/FaultPoint.h"
#include "tests/pieceset/RunTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace tirnel {
namespace {

using namespace test;
using ::testing::HasSubstr;

int sCountdown = 0;
void KillAtCountdown(std::string_view point) {
    if (point.starts_with("commit") && --sCountdown == 0) std::raise(SIGKILL);
}

// Runs `run` in a child process that is killed at the `n`-th step of its commit; true when it was.
bool KilledAt(int n, const std::function<void()>& run) {
    const pid_t pid = fork();
    if (pid == 0) {
        sCountdown = n;
        SetFaultHook(KillAtCountdown);
        run();
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// An older set of a.bin in 1 KB pieces, and the re-split of a changed a.bin into 2 KB pieces
// that replaces it, or a merge over a different file of the stored name.
struct Scene {
    const char* what;
    std::function<void(const TempFolder&)> prepare;
    std::function<RunOutcome(const TempFolder&, RecordingReporter&)> run;
};

void OlderSet(const TempFolder& folder) {
    WriteFile(folder / "a.bin", Pattern(6000, 1));
    RecordingReporter reporter;
    ASSERT_EQ(SplitRun({(folder / "a.bin").string(), folder.Text(), PieceSize::Read("1", false)}, reporter), RunOutcome::Completed);
    WriteFile(folder / "a.bin", Pattern(6000, 2));
}

const Scene kScenes[] = {
    {"a re-split that removes surplus pieces", OlderSet,
     [](const TempFolder& folder, RecordingReporter& reporter) {
         return SplitRun({(folder / "a.bin").string(), folder.Text(), PieceSize::Read("2", false)}, reporter);
     }},
    {"a merge over another file", OlderSet,
     [](const TempFolder& folder, RecordingReporter& reporter) {
         reporter.answer = true;
         return MergeRun({(folder / "a.hpe").string(), folder.Text()}, reporter);
     }},
};

TEST(InterruptedCommit, TheNextRunLeavesTheOldStateOrTheNewOneWhereverTheKillCame) {
    for (const Scene& scene : kScenes) {
        TempFolder old, done;
        scene.prepare(old);
        scene.prepare(done);
        const auto before = Snapshot(old.Path());
        RecordingReporter reporter;
        ASSERT_EQ(scene.run(done, reporter), RunOutcome::Completed) << scene.what;
        const auto after = Snapshot(done.Path());
        ASSERT_NE(before, after);

        bool walkedBack = false, finished = false;
        for (int n = 1;; ++n) {
            TempFolder folder;
            scene.prepare(folder);
            if (!KilledAt(n, [&] {
                    RecordingReporter child;
                    scene.run(folder, child);
                })) {
                break;  // the run got past its last fault point
            }
            ASSERT_TRUE(HoldsHiddenFiles(folder.Path())) << scene.what << " killed at " << n;
            // A check of the set takes the lock and settles the folder first.
            RecordingReporter next;
            VerifyRun({(folder / "a.hpe").string(), folder.Text()}, next);
            EXPECT_FALSE(HoldsHiddenFiles(folder.Path())) << scene.what << " killed at " << n;
            const auto settled = Snapshot(folder.Path());
            EXPECT_TRUE(settled == before || settled == after) << scene.what << " killed at " << n;
            walkedBack = walkedBack || settled == before;
            finished = finished || settled == after;
        }
        EXPECT_TRUE(walkedBack && finished) << scene.what << ": kills both before and after the last rename";
    }
}

TEST(InterruptedCommit, OldCopiesThatCannotBeRemovedAreNamedAndRemovedByTheNextRun) {
    TempFolder folder, done;
    OlderSet(folder);
    OlderSet(done);
    RecordingReporter reporter;
    ASSERT_EQ(SplitRun({(done / "a.bin").string(), done.Text(), PieceSize::Read("2", false)}, reporter), RunOutcome::Completed);

    // Once every output is in place, the kept copies of what was replaced turn into folders
    // that cannot be removed.
    static const TempFolder* sFolder = nullptr;
    sFolder = &folder;
    SetFaultHook([](std::string_view point) {
        if (point != "commit-done") return;
        for (const auto& entry : fs::directory_iterator(sFolder->Path())) {
            if (!IsAsideName(entry.path().filename().string())) continue;
            fs::remove(entry.path());
            fs::create_directories(entry.path() / "inside");
        }
    });
    RecordingReporter split;
    EXPECT_EQ(SplitRun({(folder / "a.bin").string(), folder.Text(), PieceSize::Read("2", false)}, split), RunOutcome::Completed);
    SetFaultHook(nullptr);
    ASSERT_TRUE(split.completion);
    ASSERT_EQ(split.completion->notes.size(), 2u);
    EXPECT_EQ(split.completion->notes[0], "已删除被替换的分割文件中多余的004.pe至006.pe。");
    EXPECT_THAT(split.completion->notes[1], HasSubstr("以下被替换文件的旧副本未能删除,下次在这个文件夹中运行时会再删除:"));
    EXPECT_THAT(split.completion->notes[1], HasSubstr(".old"));

    // The next run finishes what this one could not, once it can.
    for (const auto& entry : fs::directory_iterator(folder.Path())) {
        if (IsAsideName(entry.path().filename().string())) {
            fs::remove_all(entry.path());
            WriteFile(entry.path(), "an old copy");
        }
    }
    RecordingReporter next;
    EXPECT_EQ(VerifyRun({(folder / "a.hpe").string(), folder.Text()}, next), RunOutcome::Completed);
    EXPECT_EQ(Snapshot(folder.Path()), Snapshot(done.Path()));
}

}  // namespace
}  // namespace tirnel
