// The command line's corners: option forms, verify's default folder, descriptors that are not
// there, and the help's layout.

#include "tests/pieceset/RunTestSupport.h"
#include "tests/tools/cli/CliSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tirnel {
namespace {

using namespace test;

// What a run says first on standard error: the usage error or the refusal itself.
std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

// Runs in a folder that holds s.bin (3000 bytes) and the set of v.bin (2 pieces of 1 KB) with
// its checksum file in set/, plus a pipe p.hpe.
class CliArguments : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFile(mWork / "s.bin", Pattern(3000));
        fs::create_directory(mWork / "set");
        fs::create_directory(mWork / "out");
        WriteFile(mWork / "v.bin", Pattern(2000, 2));
        ASSERT_EQ(Cli({"split", "v.bin", "set", "1"}, mWork.Text()).status, 0);
        ASSERT_EQ(mkfifo((mWork / "p.hpe").c_str(), 0644), 0);
    }
    Result Run(const std::vector<std::string>& args) { return Cli(args, mWork.Text(), "timeout -s KILL 20 "); }

    TempFolder mWork;
};

TEST_F(CliArguments, ValueOptionsTakeTheNextArgumentOrWhatFollowsEquals) {
    const struct {
        std::vector<std::string> args;
        int status;
        std::string said;  // the first line on standard error
        std::uintmax_t firstPiece = 0;
    } rows[] = {
        {{"split", "s.bin", "out", "1", "--unit=MB"}, 1, "你不需要分割这个文件!"},
        {{"split", "s.bin", "out", "1", "--unit=mb"}, 1, "你不需要分割这个文件!"},
        {{"split", "s.bin", "out", "2", "--unit=KB"}, 0, "", 2048},
        {{"split", "--unit=kb", "s.bin", "out", "1"}, 0, "", 1024},
        {{"split", "s.bin", "out", "2", "--unit", "KB"}, 0, "", 2048},
        {{"split", "s.bin", "out", "1M", "--unit=KB"}, 2, "分割大小 \"1M\" 的单位是 MB,与 --unit KB 不一致。"},
        {{"split", "s.bin", "out", "1", "--unit="}, 2, "--unit 只能是 KB 或 MB。"},
        {{"split", "s.bin", "out", "1", "--unit=GB"}, 2, "--unit 只能是 KB 或 MB。"},
        {{"split", "s.bin", "out", "1", "--unit=MB=KB"}, 2, "--unit 只能是 KB 或 MB。"},
        {{"split", "s.bin", "out", "1", "--unit"}, 2, "--unit 后面缺少 KB 或 MB。"},
        {{"split", "s.bin", "out", "1", "--replace=x"}, 2, "--replace 不接受值: --replace=x"},
        {{"split", "s.bin", "out", "1", "--no-checksum="}, 2, "--no-checksum 不接受值: --no-checksum="},
        {{"merge", "set/v.hpe", "--no-lock=yes"}, 2, "--no-lock 不接受值: --no-lock=yes"},
        {{"merge", "set/v.hpe", "--unit=MB"}, 2, "未知选项: --unit=MB"},
        {{"verify", "set/v.hpe", "--replace=x"}, 2, "未知选项: --replace=x"},
        {{"split", "s.bin", "out", "1", "--size=2"}, 2, "未知选项: --size=2"},
        {{"split", "s.bin", "out", "1", "--", "--unit=MB"}, 2, "split 需要三个参数。"},
    };
    for (const auto& row : rows) {
        fs::remove_all(mWork / "out");
        fs::create_directory(mWork / "out");
        const Result r = Run(row.args);
        const std::string label = ::testing::PrintToString(row.args);
        EXPECT_EQ(r.status, row.status) << label << r.err;
        EXPECT_EQ(FirstLine(r.err), row.said) << label;
        if (row.status == 2) {
            EXPECT_NE(r.err.find("\n用法:\n"), std::string::npos) << label;
        }
        if (row.firstPiece) {
            EXPECT_EQ(fs::file_size(mWork / "out" / "001.pe"), row.firstPiece) << label;
        }
    }
}

TEST_F(CliArguments, VerifyWithoutAFolderLooksBesideTheDescriptor) {
    fs::create_directory(mWork / "empty");
    const struct {
        std::vector<std::string> args;
        int status;
        std::string out, err;
    } rows[] = {
        {{"verify", "set/v.hpe"}, 0, "分割文件全部完好,可以合并。\n", ""},
        {{"verify", "set/v.hpe", "set"}, 0, "分割文件全部完好,可以合并。\n", ""},
        {{"verify", "set/v.hpe", "empty"}, 1, "", "找不到分割文件001.pe!\n找不到分割文件002.pe!\n"},
        {{"verify", "v.hpe"}, 1, "", "找不到描述文件: v.hpe\n"},
    };
    for (const auto& row : rows) {
        const Result r = Run(row.args);
        const std::string label = ::testing::PrintToString(row.args);
        EXPECT_EQ(r.status, row.status) << label;
        EXPECT_EQ(r.out, row.out) << label;
        EXPECT_EQ(r.err, row.err) << label;
    }
    const Result bare = Cli({"verify", "v.hpe"}, (mWork / "set").string());
    EXPECT_EQ(bare.status, 0) << bare.err;
    EXPECT_EQ(bare.out, "分割文件全部完好,可以合并。\n");
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{{"verify"}, {"verify", "set/v.hpe", "set", "set"}}) {
        const Result r = Run(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(FirstLine(r.err), "verify 需要一个或两个参数。");
    }
}

TEST_F(CliArguments, ADescriptorThatIsNotThereIsNamedAsGiven) {
    const auto before = Snapshot(mWork / "set");
    const struct {
        std::vector<std::string> args;
        std::string err;
    } rows[] = {
        {{"merge", "none.hpe"}, "找不到描述文件: none.hpe\n"},
        {{"merge", "set/none.hpe", "set"}, "找不到描述文件: set/none.hpe\n"},
        {{"verify", "./缺少 的.hpe"}, "找不到描述文件: ./缺少 的.hpe\n"},
        {{"merge", "none.hpe", "nowhere"}, "找不到描述文件: none.hpe\n"},
        {{"merge", "set/v.hpe", "nowhere"}, "目标文件夹不存在: nowhere\n"},
        {{"merge", "set"}, "描述文件不是普通文件: set\n"},
        {{"verify", "p.hpe", "set"}, "描述文件不是普通文件: p.hpe\n"},
        {{"merge", ""}, "请指定待合并文件!\n"},
        {{"verify", "", "set"}, "请指定待合并文件!\n"},
    };
    for (const auto& row : rows) {
        const Result r = Run(row.args);
        const std::string label = ::testing::PrintToString(row.args);
        EXPECT_EQ(r.status, 1) << label;
        EXPECT_EQ(r.out, "") << label;
        EXPECT_EQ(r.err, row.err) << label;
    }
    EXPECT_EQ(Snapshot(mWork / "set"), before);
}

TEST(CliHelp, ABlankLineStandsBeforeTheUsage) {
    const Result help = Cli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("SIGTERM 为 143。\n\n用法:\n"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("\n  tirnel-cli verify 描述文件(.hpe) [目标文件夹]\n"), std::string::npos);
    const Result usage = Cli({"cut"});
    EXPECT_EQ(usage.status, 2);
    EXPECT_EQ(usage.err.substr(0, usage.err.find("  tirnel-cli")), "未知命令: cut\n用法:\n");
}

}  // namespace
}  // namespace tirnel
