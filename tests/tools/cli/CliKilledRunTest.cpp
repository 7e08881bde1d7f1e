// tirnel-cli ended from outside: by a signal, by a file-size limit, by SIGKILL; and what it
// asks of the disk when it replaces a file.

#include "pieceset/Notices.h"
#include "pieceset/Staging.h"
#include "tests/pieceset/RunTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tirnel {
namespace {

using namespace test;
using ::testing::HasSubstr;

const std::string kCli = std::string(TIRNEL_BIN_DIR) + "/tirnel-cli";

// A split of `source` into 1 KB pieces in `folder`, started in the background.
class BackgroundSplit {
public:
    // `openFiles`: a limit on the files it may hold open (0: the usual one).
    BackgroundSplit(const fs::path& source, const fs::path& folder, const fs::path& errors, rlim_t openFiles = 0)
        : mFolder(folder) {
        mPid = fork();
        if (mPid == 0) {
            if (openFiles != 0) {
                const rlimit limit{openFiles, openFiles};
                setrlimit(RLIMIT_NOFILE, &limit);
            }
            const int err = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(err, 2);
            const int null = open("/dev/null", O_RDWR);
            dup2(null, 0);
            dup2(null, 1);
            execl(kCli.c_str(), kCli.c_str(), "split", source.c_str(), folder.c_str(), "1", nullptr);
            _exit(127);
        }
    }
    // Waits until the run is writing pieces: it holds many files open, or hidden files
    // appear in its folder.
    bool WaitUntilWriting() const {
        const fs::path fds = "/proc/" + std::to_string(mPid) + "/fd";
        for (int i = 0; i < 2000; ++i) {
            if (Count(fds) > 50 || Count(mFolder) > 50) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }
    int Signal(int signal) {
        kill(mPid, signal);
        int status = 0;
        waitpid(mPid, &status, 0);
        return status;
    }

private:
    static std::size_t Count(const fs::path& folder) {
        std::error_code ec;
        std::size_t entries = 0;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) ++entries;
        return entries;
    }

    fs::path mFolder;
    pid_t mPid = -1;
};

struct KilledRun : ::testing::Test {
    TempFolder source, folder, logs;
    void SetUp() override { WriteFile(source / "big.bin", Pattern(48 << 20)); }
};

TEST_F(KilledRun, SignalsThatEndATerminalProgramStopTheRunAndRemoveWhatItWrote) {
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        WriteFile(folder / "001.pe", "older piece");
        const auto before = Snapshot(folder.Path());
        BackgroundSplit run(source / "big.bin", folder.Path(), logs / "err");
        ASSERT_TRUE(run.WaitUntilWriting()) << signal;
        const int status = run.Signal(signal);
        ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << signal;
        // The shell's convention for a run ended by a signal, cleanup done: 128 + its number.
        EXPECT_EQ(WEXITSTATUS(status), 128 + signal) << signal;
        EXPECT_THAT(ReadFile(logs / "err"), HasSubstr("已中断")) << signal;
        EXPECT_EQ(Snapshot(folder.Path()), before) << signal;
    }
}

TEST_F(KilledRun, SigkillLeavesNothingOrHiddenFilesTheNextRunClears) {
    // With files enough, every piece stays unnamed until the commit: nothing is left. With
    // few, pieces get hidden names as they are done: those are left, and cleared later.
    for (rlim_t openFiles : {rlim_t{0}, rlim_t{100}}) {
        TempFolder target;
        BackgroundSplit run(source / "big.bin", target.Path(), logs / "err", openFiles);
        ASSERT_TRUE(run.WaitUntilWriting()) << openFiles;
        ASSERT_TRUE(WIFSIGNALED(run.Signal(SIGKILL)));
        std::size_t left = 0;
        for (const auto& entry : fs::directory_iterator(target.Path())) {
            EXPECT_TRUE(IsStagingName(entry.path().filename().string())) << entry.path();
            ++left;
        }
        EXPECT_EQ(left == 0, openFiles == 0) << left << " files left with a limit of " << openFiles;

        WriteFile(source / "small.bin", Pattern(3000));
        const std::string command = kCli + " split '" + (source / "small.bin").string() + "' '" + target.Text() + "' 1 >/dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0);
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(target.Path())) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (std::vector<std::string>{"001.pe", "002.pe", "003.pe", "small.hpe", "small.hpe.sha256"}));
    }
}

TEST_F(KilledRun, AFileSizeLimitIsAFailureWithItsReasonNotADeath) {
    WriteFile(source / "f.bin", Pattern(8000));
    const auto before = Snapshot(folder.Path());
    // ulimit -f counts blocks of 1024 bytes: the 4 KB pieces cannot be written.
    const std::string command = "ulimit -f 2; " + kCli + " split '" + (source / "f.bin").string() + "' '" +
                                folder.Text() + "' 4 2>'" + (logs / "err").string() + "'";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_THAT(ReadFile(logs / "err"), HasSubstr("文件太大"));
    EXPECT_EQ(Snapshot(folder.Path()), before);
}

// The system calls of a merge of a fresh set, traced.
std::string TracedMerge(const TempFolder& set, const TempFolder& logs) {
    const std::string trace = (logs / "trace").string();
    const std::string command = "strace -f -e trace=fsync,rename,renameat,renameat2 -o '" + trace + "' " + kCli +
                                " merge --replace '" + (set / "m.hpe").string() + "' '" + set.Text() + "' >/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0);
    return ReadFile(logs / "trace");
}

TEST(MergeReplacing, FlushesTheNewFileBeforeTheRenameAndTheFolderAfter) {
    if (std::system("strace -V >/dev/null 2>&1") != 0) GTEST_SKIP() << "strace is not installed";
    TempFolder set, logs;
    WriteFile(set / "m.bin", Pattern(3000));
    ASSERT_EQ(std::system((kCli + " split '" + (set / "m.bin").string() + "' '" + set.Text() + "' 1 >/dev/null").c_str()), 0);

    // Another m.bin is there: it is replaced.
    WriteFile(set / "m.bin", "an older file");
    std::string trace = TracedMerge(set, logs);
    const std::size_t rename = trace.find("/m.bin\")");
    ASSERT_NE(rename, std::string::npos) << trace;
    const std::size_t before = trace.rfind("fsync(", rename);
    const std::size_t after = trace.find("fsync(", rename);
    EXPECT_NE(before, std::string::npos) << "the new data reaches the disk before the rename\n" << trace;
    EXPECT_NE(after, std::string::npos) << "the folder reaches the disk after it\n" << trace;
    EXPECT_EQ(ReadFile(set / "m.bin"), Pattern(3000));

    // A new file replaces nothing: no flush, full speed.
    fs::remove(set / "m.bin");
    trace = TracedMerge(set, logs);
    EXPECT_EQ(trace.find("fsync("), std::string::npos) << trace;
    EXPECT_EQ(ReadFile(set / "m.bin"), Pattern(3000));
}

}  // namespace
}  // namespace tirnel
