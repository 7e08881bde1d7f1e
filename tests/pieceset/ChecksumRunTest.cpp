// The checksum file through the runs: written by every split, checked by every merge while
// it copies, and what a damaged set or a damaged checksum file makes the merge say.

#include "pieceset/ChecksumFile.h"
#include "pieceset/MergeRun.h"
#include "pieceset/Notices.h"
#include "pieceset/PieceSetFormat.h"
#include "pieceset/SplitRun.h"
#include "pieceset/VerifyRun.h"
#include "tests/pieceset/RunTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tirnel {
namespace {

using namespace test;
using ::testing::ElementsAre;
using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::UnorderedElementsAre;

// A set of five 2 KB pieces cut from 9000 bytes, with or without its checksum file, and an
// older file of the stored name that a merge must leave alone when it refuses or fails.
struct Set {
    TempFolder folder;
    std::string bytes = Pattern(9000, 7);

    explicit Set(bool checksums = true) {
        TempFolder source;
        WriteFile(source / "s.bin", bytes);
        RecordingReporter reporter;
        EXPECT_EQ(SplitRun({(source / "s.bin").string(), folder.Text(), PieceSize::Read("2", false), checksums}, reporter),
                  RunOutcome::Completed);
        WriteFile(folder / "s.bin", "an older file");
    }
    fs::path Checksums() const { return folder / "s.hpe.sha256"; }
    // The older file may be replaced.
    RunOutcome Merge(RecordingReporter& reporter) const {
        reporter.answer = true;
        return MergeRun({(folder / "s.hpe").string(), folder.Text()}, reporter);
    }
};

TEST(ChecksumRun, TheSplitListsEveryPieceThenTheDescriptor) {
    Set set;
    const ChecksumParse parse = ParseChecksumFile(ReadFile(set.Checksums()));
    ASSERT_EQ(parse.badLine, 0u);
    std::vector<std::string> names;
    for (const ChecksumLine& line : parse.lines) {
        names.push_back(line.name);
        EXPECT_EQ(line.digest, Sha256Of(ReadFile(set.folder / line.name))) << line.name;
    }
    EXPECT_THAT(names, ElementsAre("001.pe", "002.pe", "003.pe", "004.pe", "005.pe", "s.hpe"));

    RecordingReporter merged;
    ASSERT_EQ(set.Merge(merged), RunOutcome::Completed);
    EXPECT_THAT(merged.notices, ElementsAre(notice::kMergeDone));
    EXPECT_EQ(ReadFile(set.folder / "s.bin"), set.bytes);
}

TEST(ChecksumRun, SetsWithoutTheFileSplitAndMergeAsBefore) {
    Set set(false);
    EXPECT_FALSE(fs::exists(set.Checksums()));
    RecordingReporter merged, verified;
    ASSERT_EQ(set.Merge(merged), RunOutcome::Completed);
    EXPECT_EQ(ReadFile(set.folder / "s.bin"), set.bytes);
    // Nothing to check the contents against: the check says so rather than "all good".
    EXPECT_EQ(VerifyRun({(set.folder / "s.hpe").string(), set.folder.Text()}, verified), RunOutcome::Refused);
    ASSERT_EQ(verified.notices.size(), 1u);
    EXPECT_THAT(verified.notices[0], HasSubstr("找不到校验文件s.hpe.sha256"));
}

void Poke(const fs::path& path, std::size_t at) {
    std::string bytes = ReadFile(path);
    bytes[at] = static_cast<char>(bytes[at] ^ 0x01);
    WriteFile(path, bytes);
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

// "<64 hex>  001.pe\n"
constexpr std::size_t kLine = 64 + 2 + 6 + 1;

TEST(ChecksumRun, ADamagedSetOrChecksumFileWritesNothingAndSaysWhat) {
    struct Case {
        const char* what;
        std::function<void(const Set&)> damage;
        RunOutcome outcome;
        std::vector<std::string> said;  // the notice holds each
    };
    const Case cases[] = {
        {"a byte changed in a piece", [](const Set& s) { Poke(s.folder / "002.pe", 100); },
         RunOutcome::Failed, {"002.pe", "已损坏", notice::kRemovedWritten}},
        {"two pieces of one size swapped", [](const Set& s) {
             fs::rename(s.folder / "001.pe", s.folder / "x");
             fs::rename(s.folder / "003.pe", s.folder / "001.pe");
             fs::rename(s.folder / "x", s.folder / "003.pe");
         }, RunOutcome::Failed, {"已损坏"}},  // 001.pe or 003.pe, whichever hash finishes first
        {"a wrong line", [](const Set& s) {  // another hex digit in 003.pe's digest
             std::string text = ReadFile(s.Checksums());
             text[2 * kLine + 3] = text[2 * kLine + 3] == '0' ? '1' : '0';
             WriteFile(s.Checksums(), text);
         },
         RunOutcome::Failed, {"003.pe", "已损坏"}},
        {"truncated in a line", [](const Set& s) { fs::resize_file(s.Checksums(), 3 * kLine + 20); },
         RunOutcome::Refused, {"校验文件s.hpe.sha256", "第4行格式不对", "无法合并"}},
        {"a line for another file", [](const Set& s) {
             WriteFile(s.Checksums(), Replaced(ReadFile(s.Checksums()), "  004.pe", "  ../x"));
         }, RunOutcome::Refused, {"不属于这组分割文件的../x"}},
        {"not readable", [](const Set& s) {
             fs::remove(s.Checksums());
             fs::create_directory(s.Checksums());
         }, RunOutcome::Refused, {"校验文件s.hpe.sha256无法读取"}},
    };
    for (const Case& c : cases) {
        Set set;
        c.damage(set);
        const auto before = Snapshot(set.folder.Path());
        RecordingReporter reporter;
        EXPECT_EQ(set.Merge(reporter), c.outcome) << c.what;
        ASSERT_EQ(reporter.notices.size(), 1u) << c.what;
        for (const std::string& part : c.said) EXPECT_THAT(reporter.notices[0], HasSubstr(part)) << c.what;
        EXPECT_EQ(Snapshot(set.folder.Path()), before) << c.what;
    }
}

TEST(ChecksumRun, LineEndsOfWindowsAreRead) {
    Set set;
    std::string text = ReadFile(set.Checksums()), crlf;
    for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    WriteFile(set.Checksums(), crlf);
    RecordingReporter reporter;
    EXPECT_EQ(set.Merge(reporter), RunOutcome::Completed);
    EXPECT_EQ(ReadFile(set.folder / "s.bin"), set.bytes);
}

TEST(ChecksumRun, TheCheckNamesEveryBadPiece) {
    Set set;
    Poke(set.folder / "002.pe", 7);
    fs::remove(set.folder / "004.pe");
    fs::resize_file(set.folder / "005.pe", 3000);
    RecordingReporter reporter;
    EXPECT_EQ(VerifyRun({(set.folder / "s.hpe").string(), set.folder.Text()}, reporter), RunOutcome::Refused);
    // Damage is told when its digest is in, so the order may vary.
    EXPECT_THAT(reporter.notices, UnorderedElementsAre(AllOf(HasSubstr("002.pe"), HasSubstr("已损坏")),
                                                       AllOf(HasSubstr("004.pe"), HasSubstr("找不到")),
                                                       AllOf(HasSubstr("005.pe"), HasSubstr("大小不对"))));
}

TEST(ChecksumRun, ASplitOverAnotherSetAsksAndTakesItsDescriptorAlong) {
    Set older;  // s.hpe with five pieces
    WriteFile(older.folder / "t.bin", Pattern(5000, 9));
    const auto before = Snapshot(older.folder.Path());
    RecordingReporter refused;
    EXPECT_EQ(SplitRun({(older.folder / "t.bin").string(), older.folder.Text(), PieceSize::Read("2", false)}, refused), RunOutcome::Refused);
    ASSERT_EQ(refused.asked.size(), 1u);
    EXPECT_EQ(refused.asked[0].kind, QuestionKind::ReplaceSet);
    EXPECT_THAT(refused.asked[0].text, HasSubstr("描述文件s.hpe"));
    EXPECT_EQ(Snapshot(older.folder.Path()), before);

    RecordingReporter replaced;
    replaced.answer = true;
    ASSERT_EQ(SplitRun({(older.folder / "t.bin").string(), older.folder.Text(), PieceSize::Read("2", false)}, replaced), RunOutcome::Completed);
    EXPECT_FALSE(fs::exists(older.folder / "s.hpe"));
    EXPECT_FALSE(fs::exists(older.Checksums()));
    EXPECT_TRUE(fs::exists(older.folder / "t.hpe.sha256"));

    // Splitting the same file again replaces its own set without asking.
    RecordingReporter again;
    EXPECT_EQ(SplitRun({(older.folder / "t.bin").string(), older.folder.Text(), PieceSize::Read("2", false)}, again), RunOutcome::Completed);
    EXPECT_TRUE(again.asked.empty());
}

}  // namespace
}  // namespace tirnel
