#include "pieceset/ChecksumFile.h"
#include "tests/pieceset/RunTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tirnel {
namespace {

using namespace std::string_literals;

// sha256 of "x", in the spellings the tables use.
const std::string kHex = "2d711642b726b04401627ca9fbac32f5c8530fb1903cc4db02258717921a4881";
const std::string kUpperHex = "2D711642B726B04401627CA9FBAC32F5C8530FB1903CC4DB02258717921A4881";
const Sha256Digest kDigest = Sha256Of("x");

// Names that are plain, UTF-8, or need sha256sum's escapes, with what sha256sum 9.1
// writes for a file of that name holding "x".
const std::vector<std::pair<std::string, std::string>> kSpellings = {
    {"001.pe", kHex + "  001.pe\n"},
    {"测试 文件.hpe", kHex + "  测试 文件.hpe\n"},
    {"*star", kHex + "  *star\n"},
    {" lead", kHex + "   lead\n"},
    {"a\\b", "\\" + kHex + "  a\\\\b\n"},
    {"a\nb", "\\" + kHex + "  a\\nb\n"},
    {"a\rb", "\\" + kHex + "  a\\rb\n"},
    {"a\\nb", "\\" + kHex + "  a\\\\nb\n"},
    {"a\\\nb\r", "\\" + kHex + "  a\\\\\\nb\\r\n"},
};

TEST(ChecksumFile, WritesWhatSha256sumWritesAndReadsItBack) {
    std::string text;
    std::vector<ChecksumLine> expected;
    for (const auto& [name, spelling] : kSpellings) {
        EXPECT_EQ(ChecksumLineText(name, kDigest), spelling) << name;
        // A digest per name, so a line read back under another's name shows.
        expected.push_back({name, Sha256Of(name)});
        text += ChecksumLineText(name, expected.back().digest);
    }
    const ChecksumParse parse = ParseChecksumFile(text);
    EXPECT_EQ(parse.badLine, 0u);
    EXPECT_EQ(parse.lines, expected);
}

TEST(ChecksumFile, AcceptsEverySpellingSha256sumChecks) {
    const ChecksumLine x{"x.pe", kDigest};
    const ChecksumLine y{"y z", kDigest};
    const std::vector<std::pair<std::string, std::vector<ChecksumLine>>> cases = {
        {kHex + "  x.pe\r\n" + kHex + "  y z\r\n", {x, y}},
        {kHex + " *x.pe\n", {x}},
        {kUpperHex + "  x.pe\n", {x}},
        {kHex + "  x.pe\n" + kHex + "  y z", {x, y}},
        {kHex + "  x.pe\r", {x}},
        {"\\" + kHex + "  x.pe\n", {x}},
        {kHex + "  a\\b\n", {{"a\\b", kDigest}}},  // unescaped: the backslash is the name's
        {kHex + "  a\rb\n", {{"a\rb", kDigest}}},
        {"SHA256 (x.pe) = " + kHex + "\n", {x}},
        {"SHA256(x.pe)=" + kUpperHex + "\r\n", {x}},
        {"\\SHA256 (a\\\\b\\n(1)) = " + kHex + "\n", {{"a\\b\n(1)", kDigest}}},
    };
    for (const auto& [text, lines] : cases) {
        const ChecksumParse parse = ParseChecksumFile(text);
        EXPECT_EQ(parse.badLine, 0u) << text;
        EXPECT_EQ(parse.lines, lines) << text;
    }
}

TEST(ChecksumFile, StopsAtTheFirstBadLine) {
    const std::string good = kHex + "  x.pe\n";
    const std::vector<std::pair<std::string, std::size_t>> cases = {
        {"", 1},
        {"\n", 1},
        {good + "\n" + good, 2},                   // an empty line in the middle
        {good + "\r\n", 2},
        {good + good + "\n", 3},                   // more than one final newline
        {kHex.substr(1) + "  x.pe\n", 1},          // 63 digits
        {kHex + "0  x.pe\n", 1},                   // 65 digits
        {"g" + kHex.substr(1) + "  x.pe\n", 1},
        {good + kHex + " x.pe\n", 2},              // one space only
        {good + kHex + "\tx.pe\n", 2},
        {kHex + "  \n", 1},                        // no name
        {kHex + "\n", 1},
        {" " + good, 1},
        {good + kHex.substr(0, 30), 2},            // cut inside the digits
        {good + kHex + " ", 2},                    // cut inside the separator
        {"\\" + kHex + "  a\\tb\n", 1},            // unknown escape
        {"\\" + kHex + "  ab\\\n", 1},             // a lone backslash at the end
        {kHex + "  a\0b\n"s, 1},
        {"SHA256 (x.pe = " + kHex + "\n", 1},
        {"SHA256 (x.pe) " + kHex + "\n", 1},
        {"SHA256 () = " + kHex + "\n", 1},
        {"SHA256 (x.pe) = " + kHex.substr(1) + "\n", 1},
    };
    for (const auto& [text, badLine] : cases) {
        const ChecksumParse parse = ParseChecksumFile(text);
        EXPECT_EQ(parse.badLine, badLine) << text;
        EXPECT_TRUE(parse.lines.empty()) << text;
    }
}

TEST(ChecksumFile, Sha256sumChecksWhatWeWrite) {
    if (std::system("command -v sha256sum >/dev/null 2>&1") != 0) GTEST_SKIP() << "sha256sum is not installed";
    test::TempFolder folder;
    std::string text;
    for (const auto& [name, spelling] : kSpellings) {
        const std::string content = test::Pattern(1000 + name.size(), static_cast<unsigned>(name.size()));
        test::WriteFile(folder / name, content);
        text += ChecksumLineText(name, Sha256Of(content));
    }
    const std::string sums = ChecksumFileNameOf("set.hpe");
    EXPECT_EQ(sums, "set.hpe.sha256");
    test::WriteFile(folder / sums, text);
    const std::string check = "cd '" + folder.Text() + "' && sha256sum --strict -c " + sums + " >/dev/null 2>&1";
    EXPECT_EQ(std::system(check.c_str()), 0);
    // And it does check them: one changed byte fails it.
    test::WriteFile(folder / "a\nb", "changed");
    EXPECT_NE(std::system(check.c_str()), 0);
}

}  // namespace
}  // namespace tirnel
