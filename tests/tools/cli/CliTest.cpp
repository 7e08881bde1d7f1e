// tirnel-cli as a script sees it: exit status, standard output and standard error.

#include "app/pieceset/Notices.h"
#include "tests/app/pieceset/RunTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace tirnel {
namespace {

using namespace test;
using ::testing::HasSubstr;

struct Result {
    int status;
    std::string out, err;
};

std::string Quote(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

Result Cli(const std::vector<std::string>& args) {
    static TempFolder logs;
    std::string command = Quote(std::string(TIRNEL_BIN_DIR) + "/tirnel-cli");
    for (const std::string& arg : args) command += " " + Quote(arg);
    command += " >" + Quote((logs / "out").string()) + " 2>" + Quote((logs / "err").string()) + " </dev/null";
    int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(logs / "out"), ReadFile(logs / "err")};
}

TEST(Cli, SplitThenMergeRoundTrip) {
    TempFolder folder;
    WriteFile(folder / "报告 2024.pdf", Pattern(5000));
    TempFolder set;
    Result split = Cli({"split", (folder / "报告 2024.pdf").string(), set.Text(), "002"});
    EXPECT_EQ(split.status, 0);
    EXPECT_EQ(split.out, std::string(notice::kSplitDone) + "\n");
    EXPECT_EQ(split.err, "");
    EXPECT_EQ(fs::file_size(set / "001.pe"), 2048u);

    Result merge = Cli({"merge", (set / "报告 2024.hpe").string(), set.Text()});
    EXPECT_EQ(merge.status, 0);
    EXPECT_EQ(merge.out, std::string(notice::kMergeDone) + "\n");
    EXPECT_EQ(ReadFile(set / "报告 2024.pdf"), Pattern(5000));
}

TEST(Cli, UnitOption) {
    TempFolder folder;
    WriteFile(folder / "m.bin", Pattern(1048576 + 10));
    Result r = Cli({"split", (folder / "m.bin").string(), folder.Text(), "1", "--unit", "MB"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(fs::file_size(folder / "001.pe"), 1048576u);
    EXPECT_EQ(fs::file_size(folder / "002.pe"), 10u);
}

TEST(Cli, RefusalsGoToStandardErrorWithStatusOne) {
    TempFolder folder;
    WriteFile(folder / "s.bin", Pattern(100));
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"split", (folder / "none").string(), folder.Text(), "1"}, notice::kNoSource},
        {{"split", (folder / "s.bin").string(), folder.Text(), "0"}, notice::kSizeBelowOne},
        {{"split", (folder / "s.bin").string(), folder.Text(), "1"}, notice::kNoNeedToSplit},
        {{"merge", (folder / "s.hpe").string(), folder.Text()}, notice::kNoDescriptor},
    };
    for (const auto& [args, text] : cases) {
        Result r = Cli(args);
        EXPECT_EQ(r.status, 1) << text;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, std::string(text) + "\n");
    }
    EXPECT_EQ(Snapshot(folder.Path()).size(), 1u);
}

TEST(Cli, ChecksumsVerifyAndReplacingAnotherSet) {
    TempFolder source, set;
    WriteFile(source / "a.bin", Pattern(5000));
    WriteFile(source / "b.bin", Pattern(3000, 2));
    ASSERT_EQ(Cli({"split", (source / "a.bin").string(), set.Text(), "1"}).status, 0);
    EXPECT_EQ(std::system(("cd " + Quote(set.Text()) + " && sha256sum --quiet -c a.hpe.sha256").c_str()), 0);

    Result sound = Cli({"verify", (set / "a.hpe").string(), set.Text()});
    EXPECT_EQ(sound.status, 0);
    EXPECT_EQ(sound.out, std::string(notice::kSetIntact) + "\n");
    WriteFile(set / "002.pe", Pattern(1024, 3));
    fs::remove(set / "004.pe");
    Result damaged = Cli({"verify", (set / "a.hpe").string(), set.Text()});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_THAT(damaged.err, HasSubstr("002.pe"));
    EXPECT_THAT(damaged.err, HasSubstr("004.pe"));
    EXPECT_EQ(Cli({"verify", (set / "a.hpe").string()}).status, 2);

    // Another file's set is replaced only when asked to, and then with its descriptor.
    Result refused = Cli({"split", (source / "b.bin").string(), set.Text(), "1", "--no-checksum"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_THAT(refused.err, HasSubstr("--replace"));
    EXPECT_TRUE(fs::exists(set / "a.hpe"));
    EXPECT_EQ(Cli({"split", (source / "b.bin").string(), set.Text(), "1", "--no-checksum", "--replace"}).status, 0);
    EXPECT_FALSE(fs::exists(set / "a.hpe"));
    EXPECT_FALSE(fs::exists(set / "a.hpe.sha256"));
    EXPECT_FALSE(fs::exists(set / "b.hpe.sha256")) << "--no-checksum";
    EXPECT_EQ(Cli({"merge", (set / "b.hpe").string(), set.Text()}).status, 0);
    EXPECT_EQ(ReadFile(set / "b.bin"), Pattern(3000, 2));
}

TEST(Cli, UsageErrorsAndHelp) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"cut"}, {"split", "a", "b"}, {"split", "a", "b", "1", "--unit"}, {"split", "a", "b", "1", "--unit", "GB"},
             {"merge", "a"}}) {
        Result r = Cli(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_THAT(r.err, HasSubstr("tirnel-cli split"));
    }
    Result help = Cli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, HasSubstr("退出状态"));
}

}  // namespace
}  // namespace tirnel
