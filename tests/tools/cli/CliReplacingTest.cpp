// What a run may replace, as a script sees it through tirnel-cli: the folder before, the
// command, the exit status and what it said, the folder after. Nothing is replaced that the
// user did not agree to (--replace), and every set a split writes merges.

#include "tests/pieceset/RunTestSupport.h"
#include "tests/tools/cli/CliSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace tirnel {
namespace {

using namespace test;
using ::testing::HasSubstr;

// The names in a folder, in order, space-separated.
std::string Listing(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::u8string name = entry.path().filename().u8string();
        names.emplace_back(name.begin(), name.end());
    }
    std::sort(names.begin(), names.end());
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : " ") + name;
    return text;
}

// A split of `bytes` bytes of pattern `seed`, named `name`, into `set` in pieces of `size`.
void SplitInto(const TempFolder& set, const std::string& name, std::size_t bytes, unsigned seed, const std::string& size,
               std::vector<std::string> options = {}) {
    TempFolder source;
    WriteFile(source / name, Pattern(bytes, seed));
    std::vector<std::string> args{"split", (source / name).string(), set.Text(), size};
    args.insert(args.end(), options.begin(), options.end());
    const Result r = Cli(args);
    ASSERT_EQ(r.status, 0) << r.err;
}

struct Row {
    const char* what;
    std::function<void(const TempFolder&)> before;
    std::vector<std::string> command;  // "{set}" stands for the set's folder, "{src}/" for a source's
    int status;
    std::string said;     // on standard error (the completion line aside)
    std::string after;    // the set folder's names afterwards
};

void RunRows(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        TempFolder set, source;
        row.before(set);
        for (const char* name : {"照片.rar", "a.bin", "c.bin", "notes.hpe"}) WriteFile(source / name, Pattern(3000, 9));
        std::vector<std::string> args;
        for (std::string arg : row.command) {
            if (arg == "{set}") arg = set.Text();
            else if (arg.starts_with("{src}/")) arg = (source / arg.substr(6)).string();
            else if (arg.starts_with("{set}/")) arg = (set / arg.substr(6)).string();
            args.push_back(arg);
        }
        const Result r = Cli(args);
        EXPECT_EQ(r.status, row.status) << row.what << "\n" << r.err;
        EXPECT_THAT(r.err, HasSubstr(row.said)) << row.what;
        EXPECT_EQ(Listing(set.Path()), row.after) << row.what;
    }
}

TEST(CliReplacing, ASplitAsksBeforeReplacingAnotherSetAndTakesAllOfItsPieces) {
    auto photos = [](const TempFolder& set) { SplitInto(set, "照片.zip", 6000, 1, "1"); };
    const std::string sixPieces = "001.pe 002.pe 003.pe 004.pe 005.pe 006.pe 照片.hpe 照片.hpe.sha256";
    RunRows({
        {"the same descriptor name, another file", photos, {"split", "{src}/照片.rar", "{set}", "1"}, 1,
         "目标文件夹中已有另一组分割文件(描述文件照片.hpe,记录的文件是照片.zip)。继续分割会替换描述文件照片.hpe、"
         "同名的分割文件001.pe至003.pe,并删除分割文件004.pe至006.pe。要替换这组文件,请加上 --replace。",
         sixPieces},
        {"... with --replace", photos, {"split", "{src}/照片.rar", "{set}", "1", "--replace"}, 0,
         "已删除被替换的分割文件中多余的004.pe至006.pe。", "001.pe 002.pe 003.pe 照片.hpe 照片.hpe.sha256"},
        {"a re-split of the same file into fewer pieces",
         [](const TempFolder& set) { SplitInto(set, "a.bin", 3000, 9, "1"); },
         {"split", "{src}/a.bin", "{set}", "2"}, 0, "已删除被替换的分割文件中多余的003.pe。",
         "001.pe 002.pe a.hpe a.hpe.sha256"},
        {"pieces no descriptor accounts for",
         [](const TempFolder& set) {
             SplitInto(set, "a.bin", 3000, 9, "1");
             WriteFile(set / "009.pe", "stray");
             WriteFile(set / "010.pe", "stray");
         },
         {"split", "{src}/a.bin", "{set}", "2"}, 0, "文件夹中另有2个分割文件(009.pe至010.pe)不属于任何描述文件,没有删除。",
         "001.pe 002.pe 009.pe 010.pe a.hpe a.hpe.sha256"},
        {"another descriptor in capitals",
         [](const TempFolder& set) {
             SplitInto(set, "b.bin", 3000, 2, "1");
             fs::rename(set / "b.hpe", set / "B.HPE");
         },
         {"split", "{src}/c.bin", "{set}", "1"}, 1, "描述文件B.HPE", "001.pe 002.pe 003.pe B.HPE b.hpe.sha256"},
        {"a descriptor that cannot be read",
         [](const TempFolder& set) {
             WriteFile(set / "001.pe", "a piece");
             WriteFile(set / "x.hpe", "not a descriptor");
         },
         {"split", "{src}/c.bin", "{set}", "1"}, 1, "描述文件x.hpe,无法读取", "001.pe x.hpe"},
        {"a split without checksums takes the stale checksum file away",
         [](const TempFolder& set) { SplitInto(set, "a.bin", 3000, 9, "2"); },
         {"split", "{src}/a.bin", "{set}", "1", "--no-checksum"}, 0, "", "001.pe 002.pe 003.pe a.hpe"},
    });
}

TEST(CliReplacing, AMergeAsksBeforeReplacingAFileOfTheStoredName) {
    auto withOther = [](const TempFolder& set) {
        SplitInto(set, "合同.zip", 3000, 1, "1");
        WriteFile(set / "合同.zip", "another contract");
    };
    auto withSame = [](const TempFolder& set) {
        SplitInto(set, "合同.zip", 3000, 1, "1");
        WriteFile(set / "合同.zip", Pattern(3000, 1));
    };
    auto sameSizeUnchecked = [](const TempFolder& set) {
        SplitInto(set, "合同.zip", 3000, 1, "1", {"--no-checksum"});
        WriteFile(set / "合同.zip", Pattern(3000, 2));
    };
    const std::string withSums = "001.pe 002.pe 003.pe 合同.hpe 合同.hpe.sha256 合同.zip";
    RunRows({
        {"another file", withOther, {"merge", "{set}/合同.hpe"}, 1,
         "目标文件夹中已有文件合同.zip,内容与这组分割文件合并出的不同。继续合并会用合并出的文件替换它。"
         "要替换这个文件,请加上 --replace。",
         withSums},
        {"another file, --replace", withOther, {"merge", "{set}/合同.hpe", "--replace"}, 0, "", withSums},
        {"the same bytes: nothing to ask or do", withSame, {"merge", "{set}/合同.hpe"}, 0,
         "目标文件夹中已有的合同.zip与这组分割文件的内容相同,没有改动。", withSums},
        {"the same size, no checksums to tell", sameSizeUnchecked, {"merge", "{set}/合同.hpe"}, 1,
         "目标文件夹中已有文件合同.zip。继续合并会用合并出的文件替换它。", "001.pe 002.pe 003.pe 合同.hpe 合同.zip"},
        {"a stored name that is the descriptor's own",
         [](const TempFolder& set) { SplitInto(set, "notes.hpe", 3000, 3, "1"); },
         {"merge", "{set}/notes.hpe"}, 0, "描述文件notes.hpe已被合并出的文件替换。",
         "001.pe 002.pe 003.pe notes.hpe notes.hpe.sha256"},
    });
}

TEST(CliReplacing, AChecksumFileOfAnotherSetLeavesTheMergeUnverifiedAndSaysSo) {
    // The original program re-split into the folder and never touched the checksum file.
    TempFolder set;
    SplitInto(set, "d.bin", 5000, 4, "2");
    const std::string stale = ReadFile(set / "d.hpe.sha256");
    SplitInto(set, "d.bin", 5000, 4, "1", {"--no-checksum"});
    WriteFile(set / "d.hpe.sha256", stale);
    fs::remove(set / "d.bin");

    const Result merge = Cli({"merge", (set / "d.hpe").string()});
    EXPECT_EQ(merge.status, 0) << merge.err;
    EXPECT_EQ(merge.err, "未校验内容:校验文件不属于这个分割。\n");
    EXPECT_EQ(ReadFile(set / "d.bin"), Pattern(5000, 4));
    const Result verify = Cli({"verify", (set / "d.hpe").string(), set.Text()});
    EXPECT_EQ(verify.status, 1);
    EXPECT_EQ(verify.err, "未校验内容:校验文件不属于这个分割。\n");
}

TEST(CliReplacing, NamesNoMergeCouldRebuildAreRefusedBeforeAnythingIsWritten) {
    const char* const kPieceName = "源文件与分割文件同名,合并时无法在同一个文件夹中重建它,请先给文件改名再分割!\n";
    for (const char* name : {"002.pe", "001.PE"}) {
        TempFolder source, set;
        WriteFile(source / name, Pattern(3000));
        const Result r = Cli({"split", (source / name).string(), set.Text(), "1"});
        EXPECT_EQ(r.status, 1) << name;
        EXPECT_EQ(r.err, kPieceName) << name;
        EXPECT_EQ(Listing(set.Path()), "") << name;
    }
}

TEST(CliReplacing, WhatIsNotARegularFileIsRefusedAtOnceNotWaitedOn) {
    // A pipe where the checksum file belongs would make a plain open wait for a writer forever.
    TempFolder set;
    SplitInto(set, "p.bin", 3000, 5, "1");
    fs::remove(set / "p.hpe.sha256");
    ASSERT_EQ(mkfifo((set / "p.hpe.sha256").c_str(), 0644), 0);
    for (const char* command : {"merge", "verify"}) {
        const Result r = Cli({command, (set / "p.hpe").string(), set.Text()}, "", "timeout -s KILL 20 ");
        EXPECT_EQ(r.status, 1) << command;
        EXPECT_EQ(r.err, std::string("校验文件p.hpe.sha256无法读取:不是普通文件,") + (command[0] == 'm' ? "无法合并!" : "无法校验!") +
                             "\n") << command;
    }
}

TEST(CliReplacing, AFolderThatCannotBeListedIsRefusedNotUsedUnguarded) {
    // Root reads any folder: the run is made by another user where the tests run as root.
    TempFolder base;
    fs::permissions(base.Path(), fs::perms::all);
    const fs::path set = base.Path() / "set";
    fs::create_directory(set);
    WriteFile(base / "s.bin", Pattern(3000));
    fs::permissions(base / "s.bin", fs::perms::all);
    std::string prefix;
    if (geteuid() == 0) {
        if (std::system("command -v setpriv >/dev/null 2>&1") != 0) GTEST_SKIP() << "setpriv is not installed";
        prefix = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
        const std::string reach = prefix + "test -x " + Quote(std::string(TIRNEL_BIN_DIR) + "/tirnel-cli");
        if (std::system(reach.c_str()) != 0) GTEST_SKIP() << "the build folder is out of another user's reach";
        ASSERT_EQ(chown(set.c_str(), 65534, 65534), 0);
    }
    fs::permissions(set, fs::perms::owner_write | fs::perms::owner_exec);
    const Result r = Cli({"split", (base / "s.bin").string(), set.string(), "1"}, "", prefix);
    fs::permissions(set, fs::perms::owner_all);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "无法读取目标文件夹:没有访问权限,无法确认没有别的分割或合并正在使用它,也无法检查其中的其他分割文件。\n");
    EXPECT_EQ(Listing(set), "");
}

}  // namespace
}  // namespace tirnel
