// tirnel-cli's corners: option forms, verify's default folder, descriptors that are not there,
// and the help's layout.

#include "tests/pieceset/RunTestSupport.h"
#include "tests/tools/cli/CliSupport.h"

#include <gtest/gtest.h>

namespace tirnel {
namespace {

using namespace test;

struct Row {
    std::vector<std::string> args;
    int status;
    std::string said;  // how standard error (else standard output) begins
};

// In a folder holding s.bin (3000 bytes), out/ and the checked set of v.bin in set/ (2 pieces
// of 1 KB).
class CliArguments : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFile(mWork / "s.bin", Pattern(3000));
        WriteFile(mWork / "v.bin", Pattern(2000, 2));
        fs::create_directory(mWork / "set");
        ASSERT_EQ(Cli({"split", "v.bin", "set", "1"}, mWork.Text()).status, 0);
    }
    void Check(const std::vector<Row>& rows) {
        for (const Row& row : rows) {
            fs::remove_all(mWork / "out");
            fs::create_directory(mWork / "out");
            const Result r = Cli(row.args, mWork.Text());
            const std::string& said = r.err.empty() ? r.out : r.err;
            EXPECT_EQ(r.status, row.status) << ::testing::PrintToString(row.args);
            EXPECT_EQ(said.substr(0, row.said.size()), row.said) << ::testing::PrintToString(row.args);
        }
    }
    TempFolder mWork;
};

TEST_F(CliArguments, ValueOptionsTakeTheNextArgumentOrWhatFollowsEquals) {
    Check({
        {{"split", "s.bin", "out", "2", "--unit=KB"}, 0, "文件分割完毕! 2 个分割文件"},
        {{"split", "--unit=kb", "s.bin", "out", "1"}, 0, "文件分割完毕! 3 个分割文件"},
        {{"split", "s.bin", "out", "1", "--unit=MB"}, 1, "你不需要分割这个文件!\n"},
        {{"split", "s.bin", "out", "1M", "--unit=KB"}, 2, "分割大小 \"1M\" 的单位是 MB,与 --unit KB 不一致。\n用法:\n"},
        {{"split", "s.bin", "out", "1", "--unit="}, 2, "--unit 只能是 KB 或 MB。\n用法:\n"},
        {{"split", "s.bin", "out", "1", "--replace=x"}, 2, "--replace 不接受值: --replace=x\n用法:\n"},
        {{"merge", "set/v.hpe", "--no-lock=yes"}, 2, "--no-lock 不接受值: --no-lock=yes\n"},
        {{"merge", "set/v.hpe", "--unit=MB"}, 2, "未知选项: --unit=MB\n"},
        {{"verify", "set/v.hpe", "--replace=x"}, 2, "未知选项: --replace=x\n"},
        {{"split", "s.bin", "out", "1", "--", "--unit=MB"}, 2, "split 需要三个参数。\n"},
    });
}

TEST_F(CliArguments, VerifyWithoutAFolderLooksBesideTheDescriptor) {
    Check({
        {{"verify", "set/v.hpe"}, 0, "分割文件全部完好,可以合并。\n"},
        {{"verify", "set/v.hpe", "out"}, 1, "找不到分割文件001.pe!\n找不到分割文件002.pe!\n"},
        {{"verify"}, 2, "verify 需要一个或两个参数。\n"},
    });
}

TEST_F(CliArguments, ADescriptorThatIsNotThereIsNamedAsGiven) {
    Check({
        {{"merge", "none.hpe"}, 1, "找不到描述文件: none.hpe\n"},
        {{"verify", "./缺少 的.hpe", "set"}, 1, "找不到描述文件: ./缺少 的.hpe\n"},
        {{"merge", "none.hpe", "nowhere"}, 1, "找不到描述文件: none.hpe\n"},
        {{"merge", "set"}, 1, "描述文件不是普通文件: set\n"},
        {{"merge", ""}, 1, "请指定待合并文件!\n"},
    });
}

TEST(CliHelp, ABlankLineStandsBeforeTheUsage) {
    const Result help = Cli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("SIGTERM 为 143。\n\n用法:\n"), std::string::npos) << help.out;
}

}  // namespace
}  // namespace tirnel
