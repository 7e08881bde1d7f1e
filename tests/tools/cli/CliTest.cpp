// tirnel-cli as a script sees it: exit status, standard output and standard error.

#include "pieceset/Descriptor.h"
#include "pieceset/Notices.h"
#include "tests/pieceset/RunTestSupport.h"
#include "tests/tools/cli/CliSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

namespace tirnel {
namespace {

using namespace test;
using ::testing::HasSubstr;

TEST(Cli, SplitThenMergeRoundTrip) {
    TempFolder folder;
    WriteFile(folder / "报告 2024.pdf", Pattern(5000));
    TempFolder set;
    Result split = Cli({"split", (folder / "报告 2024.pdf").string(), set.Text(), "002"});
    EXPECT_EQ(split.status, 0);
    EXPECT_EQ(split.out, std::string(notice::kSplitDone) + " 3 个分割文件 → " + set.Text() + "/\n");
    EXPECT_EQ(split.err, "");
    EXPECT_EQ(fs::file_size(set / "001.pe"), 2048u);

    Result merge = Cli({"merge", (set / "报告 2024.hpe").string(), set.Text()});
    EXPECT_EQ(merge.status, 0);
    EXPECT_EQ(merge.out, std::string(notice::kMergeDone) + " → " + (set / "报告 2024.pdf").string() + "\n");
    EXPECT_EQ(ReadFile(set / "报告 2024.pdf"), Pattern(5000));
}

TEST(Cli, RefusalsGoToStandardErrorWithStatusOne) {
    TempFolder folder;
    WriteFile(folder / "s.bin", Pattern(100));
    const std::string file = (folder / "s.bin").string();
    const std::string missing = (folder / "nowhere").string();
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"split", (folder / "none").string(), folder.Text(), "1"}, notice::kNoSource},
        {{"split", file, folder.Text(), "0"}, notice::kSizeBelowOne},
        {{"split", file, folder.Text(), "1"}, notice::kNoNeedToSplit},
        {{"merge", "", folder.Text()}, notice::kNoDescriptor},
        // A folder that is not there, or is a file, is named as such rather than asked for.
        {{"split", file, missing, "1"}, "目标文件夹不存在: " + missing},
        {{"merge", file, missing}, "目标文件夹不存在: " + missing},
        {{"verify", file, missing}, "目标文件夹不存在: " + missing},
        {{"merge", file, file}, "目标文件夹不是文件夹: " + file},
    };
    for (const auto& [args, text] : cases) {
        Result r = Cli(args);
        EXPECT_EQ(r.status, 1) << text;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, text + "\n");
    }
    EXPECT_EQ(Snapshot(folder.Path()).size(), 1u);
}

// Every split writes a checksum file that sha256sum checks, and the check finds the set sound.
// (What a check says of a damaged set, and what a split may replace, have tables of their own.)
TEST(Cli, ChecksumsSha256sumChecksAndTheCheckFindsSound) {
    TempFolder source, set;
    WriteFile(source / "a.bin", Pattern(5000));
    ASSERT_EQ(Cli({"split", (source / "a.bin").string(), set.Text(), "1"}).status, 0);
    EXPECT_EQ(std::system(("cd " + Quote(set.Text()) + " && sha256sum --quiet -c a.hpe.sha256").c_str()), 0);

    Result sound = Cli({"verify", (set / "a.hpe").string(), set.Text()});
    EXPECT_EQ(sound.status, 0);
    EXPECT_EQ(sound.out, "分割文件全部完好,可以合并。\n");
}

TEST(Cli, UsageErrorsAndHelp) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"cut"}, {"split", "a", "b"}, {"split", "a", "b", "1", "--unit"}, {"split", "a", "b", "1", "--unit", "GB"},
             {"merge", "a", "b", "c"}, {"split", "a", "b", "1", "--checksum"}}) {
        Result r = Cli(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_THAT(r.err, HasSubstr("tirnel-cli split"));
    }
    Result help = Cli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, HasSubstr("退出状态"));
    EXPECT_THAT(help.out, HasSubstr("例子"));
}

// The version is the project's, as CMake knows it.
TEST(Cli, VersionIsTheProjectVersion) {
    const std::string cache = ReadFile(fs::path(TIRNEL_BIN_DIR).parent_path() / "CMakeCache.txt");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(cache, match, std::regex("\nCMAKE_PROJECT_VERSION:STATIC=([^\n]+)\n")));
    Result r = Cli({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "tirnel-cli " + match[1].str() + "\n");
    EXPECT_EQ(r.err, "");
}

TEST(Cli, SizeArgumentTakesDigitsAndAUnitSuffixOnly) {
    TempFolder source;
    WriteFile(source / "s.bin", Pattern(1048576 + 5000));
    struct Case {
        std::vector<std::string> size;  // the size argument and any --unit
        int status;
        std::string stored;  // 0: the descriptor's size and unit; 2: what the refusal names
        std::int64_t pieceSize = 0;
    };
    const Case cases[] = {
        {{"2"}, 0, "2k", 2048},
        {{"002"}, 0, "002k", 2048},
        {{"2k"}, 0, "2k", 2048},
        {{"2KB"}, 0, "2k", 2048},
        {{"2kB"}, 0, "2k", 2048},
        {{"1m"}, 0, "1m", 1048576},
        {{"1Mb"}, 0, "1m", 1048576},
        {{"1MB", "--unit", "MB"}, 0, "1m", 1048576},
        {{"3K", "--unit", "kb"}, 0, "3k", 3072},
        {{"1", "--unit", "MB"}, 0, "1m", 1048576},
        {{"2M", "--unit", "KB"}, 2, "\"2M\""},
        {{"--unit", "MB", "4k"}, 2, "\"4k\""},
        {{"100MB2"}, 2, "\"MB2\""},
        {{"2 0"}, 2, "\" 0\""},
        {{"2 M"}, 2, "\" M\""},
        {{"abc"}, 2, "\"abc\""},
        {{"1e3"}, 2, "\"e3\""},
        {{"-5"}, 2, "\"-5\""},
        {{"+5"}, 2, "\"+5\""},
        {{"1.5"}, 2, "\".5\""},
        {{"2G"}, 2, "\"G\""},
        {{""}, 2, "\"\""},
    };
    for (const Case& c : cases) {
        TempFolder set;
        std::vector<std::string> args{"split", (source / "s.bin").string(), set.Text()};
        args.insert(args.end(), c.size.begin(), c.size.end());
        Result r = Cli(args);
        const std::string label = ::testing::PrintToString(c.size);
        EXPECT_EQ(r.status, c.status) << label << r.err;
        if (c.status != 0) {
            EXPECT_THAT(r.err, HasSubstr(c.stored)) << label;
            EXPECT_THAT(r.err, HasSubstr("tirnel-cli split")) << label;
            EXPECT_TRUE(Snapshot(set.Path()).empty()) << label;
            continue;
        }
        EXPECT_EQ(fs::file_size(set / "001.pe"), static_cast<std::uintmax_t>(c.pieceSize)) << label;
        DescriptorError error;
        const auto descriptor = ParseDescriptor(ReadFile(set / "s.hpe"), error);
        ASSERT_TRUE(descriptor) << label;
        EXPECT_EQ(descriptor->payload.substr(0, descriptor->payload.find(':')), c.stored) << label;
    }
}

// The completion line names the count and the absolute place, whatever the arguments were.
TEST(Cli, CompletionLineCanBeParsed) {
    TempFolder work;
    fs::create_directory(work / "set");
    WriteFile(work / "d.bin", Pattern(10000));
    Result split = Cli({"split", "d.bin", "set/./", "3K", "--no-checksum"}, work.Text());
    ASSERT_EQ(split.status, 0) << split.err;
    std::smatch match;
    ASSERT_TRUE(std::regex_match(split.out, match, std::regex(std::string(notice::kSplitDone) + " (\\d+) 个分割文件 → (/.*/)\n")))
        << split.out;
    EXPECT_EQ(fs::path(match[2].str()), work.Path() / "set" / "");
    std::size_t pieces = 0;
    for (const auto& entry : fs::directory_iterator(match[2].str())) pieces += entry.path().extension() == ".pe";
    EXPECT_EQ(std::to_string(pieces), match[1].str());

    Result merge = Cli({"merge", "set/d.hpe", "set"}, work.Text());
    ASSERT_EQ(merge.status, 0) << merge.err;
    ASSERT_TRUE(std::regex_match(merge.out, match, std::regex(std::string(notice::kMergeDone) + " → (/.*)\n"))) << merge.out;
    EXPECT_EQ(ReadFile(match[1].str()), Pattern(10000));
}

TEST(Cli, MergeDefaultsToTheDescriptorsFolder) {
    TempFolder work;
    WriteFile(work / "m.bin", Pattern(5000));
    ASSERT_EQ(Cli({"split", (work / "m.bin").string(), work.Text(), "1"}).status, 0);
    fs::remove(work / "m.bin");
    Result merge = Cli({"merge", (work / "m.hpe").string()});
    EXPECT_EQ(merge.status, 0) << merge.err;
    EXPECT_EQ(ReadFile(work / "m.bin"), Pattern(5000));
    fs::remove(work / "m.bin");
    Result bare = Cli({"merge", "m.hpe"}, work.Text());
    EXPECT_EQ(bare.status, 0) << bare.err;
    EXPECT_EQ(bare.out, std::string(notice::kMergeDone) + " → " + (work / "m.bin").string() + "\n");
}

}  // namespace
}  // namespace tirnel
