// The numbered sets other splitters make (movie.mkv.001, …) merged and checked through
// tirnel-cli: sets cut by coreutils split, with the checksum files sha256sum, md5sum and the
// SFV and CRC tools write, and the shapes and inputs that are refused with nothing written.

#include "tests/pieceset/RunTestSupport.h"
#include "tests/tools/cli/CliSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace tirnel {
namespace {

using namespace test;
using ::testing::HasSubstr;

constexpr std::size_t kLength = 10000;

bool Shell(const TempFolder& folder, const std::string& command) {
    return std::system(("cd " + Quote(folder.Text()) + " && " + command).c_str()) == 0;
}

// movie.mkv cut by coreutils into 3000-byte pieces numbered from 1 with `width` digits.
void Cut(const TempFolder& folder, int width = 3, const std::string& name = "movie.mkv") {
    WriteFile(folder / name, Pattern(kLength, 5));
    ASSERT_TRUE(Shell(folder, "split -b 3000 -d -a " + std::to_string(width) + " --numeric-suffixes=1 " + name + " " +
                                  name + "."));
}

// The CRC32 of a file as gzip records it (little-endian in the last 8 bytes but 4), in hex.
std::string Crc32Of(const TempFolder& folder, const std::string& name) {
    const std::string hex = folder.Text() + "/.crc";
    Shell(folder, "gzip -c " + name + " | tail -c 8 | head -c 4 | od -An -tx4 | tr -d ' \\n' > " + Quote(hex));
    return ReadFile(hex);
}

struct Row {
    const char* what;
    std::function<void(const TempFolder&)> before;
    std::vector<std::string> command;  // "{set}" is the set's folder, "{set}/name" a file in it
    int status;
    std::string said;  // standard error holds it
    bool rebuilt;      // movie.mkv (or the .crc's name) holds the original bytes afterwards
};

void RunRows(const std::vector<Row>& rows, const std::string& output = "movie.mkv") {
    for (const Row& row : rows) {
        TempFolder set;
        row.before(set);
        std::vector<std::string> args;
        for (const std::string& arg : row.command) {
            args.push_back(arg == "{set}" ? set.Text() : arg.starts_with("{set}/") ? (set / arg.substr(6)).string() : arg);
        }
        const Result r = Cli(args);
        EXPECT_EQ(r.status, row.status) << row.what << "\n" << r.err;
        EXPECT_THAT(r.err, HasSubstr(row.said)) << row.what;
        EXPECT_EQ(fs::exists(set / output) && ReadFile(set / output) == Pattern(kLength, 5), row.rebuilt) << row.what;
        for (const auto& entry : fs::directory_iterator(set.Path())) {
            EXPECT_FALSE(entry.path().filename().string().starts_with(".tirnel-")) << row.what;
        }
    }
}

// Cut, a checksum file made by a standard tool, the original removed.
std::function<void(const TempFolder&)> CutWith(const std::string& tool, int width = 3) {
    return [tool, width](const TempFolder& set) {
        Cut(set, width);
        if (!tool.empty()) {
            ASSERT_TRUE(Shell(set, tool));
        }
        fs::remove(set / "movie.mkv");
    };
}

TEST(CliNumbered, SetsCutByStandardToolsMergeVerified) {
    RunRows({
        {"sha256sum of the pieces", CutWith("sha256sum movie.mkv.0* > movie.mkv.sha256"),
         {"merge", "{set}/movie.mkv.001"}, 0, "", true},
        {"sha256sum of the whole file", CutWith("sha256sum movie.mkv > movie.mkv.sha256"),
         {"merge", "{set}/movie.mkv.001"}, 0, "", true},
        {"SHA256SUMS of the folder", CutWith("touch other && sha256sum other movie.mkv.0* > SHA256SUMS"),
         {"merge", "{set}/movie.mkv.001"}, 0, "", true},
        {"md5sum", CutWith("md5sum movie.mkv.0* > movie.mkv.md5"), {"merge", "{set}/movie.mkv.001"}, 0, "", true},
        {"SFV of the pieces",
         [](const TempFolder& set) {
             Cut(set);
             std::string sfv = "; made by a test\n";
             for (const char* piece : {"movie.mkv.001", "movie.mkv.002", "movie.mkv.003", "movie.mkv.004"}) {
                 sfv += std::string(piece) + " " + Crc32Of(set, piece) + "\r\n";
             }
             WriteFile(set / "movie.mkv.sfv", sfv);
             fs::remove(set / "movie.mkv");
         },
         {"merge", "{set}/movie.mkv.001"}, 0, "", true},
        {"four digits, opened at a later piece", CutWith("sha256sum movie.mkv.0* > movie.mkv.sha256", 4),
         {"merge", "{set}/movie.mkv.0003"}, 0, "", true},
        {"no checksum file", CutWith(""), {"merge", "{set}/movie.mkv.002"}, 0,
         "未校验内容:这组分割文件旁没有校验文件。", true},
        {"pieces of different sizes that the checksum file lists",
         [](const TempFolder& set) {
             const std::string bytes = Pattern(kLength, 5);
             WriteFile(set / "movie.mkv.001", bytes.substr(0, 1000));
             WriteFile(set / "movie.mkv.002", bytes.substr(1000, 7000));
             WriteFile(set / "movie.mkv.003", bytes.substr(8000));
             ASSERT_TRUE(Shell(set, "sha256sum movie.mkv.0* > movie.mkv.sha256"));
         },
         {"merge", "{set}/movie.mkv.001"}, 0, "", true},
        {"another file of the name", [](const TempFolder& set) { CutWith("")(set); WriteFile(set / "movie.mkv", "x"); },
         {"merge", "{set}/movie.mkv.001"}, 1, "目标文件夹中已有文件movie.mkv,内容与这组分割文件合并出的不同。", false},
    });
}

TEST(CliNumbered, ACrcRecordNamesTheFileItRebuilds) {
    auto record = [](const std::string& name) {
        return [name](const TempFolder& set) {
            Cut(set, 3, "movie");
            WriteFile(set / "movie.crc", "filename=" + name + "\r\nsize=" + std::to_string(kLength) + "\r\ncrc32=" +
                                             Crc32Of(set, "movie") + "\r\n");
            fs::remove(set / "movie");
        };
    };
    RunRows({{"a .crc beside movie.001 …", record("movie.mkv"), {"merge", "{set}/movie.001"}, 0, "", true},
             {"a recorded name that is a piece's", record("movie.002"), {"merge", "{set}/movie.001"}, 1,
              "合并出的文件会覆盖分割文件,无法合并!", false}});
}

TEST(CliNumbered, WhatIsNotOneSoundSetIsRefusedWithNothingWritten) {
    const std::string sums = "sha256sum movie.mkv.0* > movie.mkv.sha256";
    auto damaged = [](const std::string& tool) {
        return [tool](const TempFolder& set) {
            CutWith(tool)(set);
            WriteFile(set / "movie.mkv.002", Pattern(3000, 9));
        };
    };
    RunRows({
        {"a gap", [](const TempFolder& set) { CutWith("")(set); fs::remove(set / "movie.mkv.003"); },
         {"merge", "{set}/movie.mkv.001"}, 1, "缺少分割文件movie.mkv.003,无法合并!", false},
        {"no first piece", [](const TempFolder& set) { CutWith("")(set); fs::remove(set / "movie.mkv.001"); },
         {"merge", "{set}/movie.mkv.002"}, 1, "找不到第一个分割文件movie.mkv.001,无法合并!", false},
        {"pieces of different sizes, unlisted", [](const TempFolder& set) { CutWith("")(set); fs::resize_file(set / "movie.mkv.002", 10); },
         {"merge", "{set}/movie.mkv.001"}, 1, "分割文件的大小不一致,不是同一组分割文件,无法合并!", false},
        {"a damaged piece", damaged(sums), {"merge", "{set}/movie.mkv.001"}, 1,
         "分割文件movie.mkv.002已损坏(内容与校验文件不符),请重新获取这个文件后再合并!", false},
        {"a damaged piece, whole-file digest", damaged("sha256sum movie.mkv > movie.mkv.sha256"),
         {"merge", "{set}/movie.mkv.001"}, 1,
         "合并出的文件与校验文件movie.mkv.sha256不符,分割文件中有损坏的,请重新获取分割文件后再合并!", false},
        {"a line that leaves the folder", CutWith(sums + " && echo '" + std::string(64, 'a') + "  ../../etc/passwd' >> movie.mkv.sha256"),
         {"merge", "{set}/movie.mkv.001"}, 1,
         "校验文件movie.mkv.sha256列出了不属于这组分割文件的../../etc/passwd,无法合并!", false},
        {"a piece listed twice", CutWith(sums + " && sha256sum movie.mkv.002 >> movie.mkv.sha256"),
         {"merge", "{set}/movie.mkv.001"}, 1, "校验文件movie.mkv.sha256重复列出了分割文件movie.mkv.002,无法合并!", false},
        {"a 2 GiB checksum file", CutWith("truncate -s 2G movie.mkv.sha256"), {"merge", "{set}/movie.mkv.001"}, 1,
         "校验文件movie.mkv.sha256太大,不是这组分割文件的校验文件,无法合并!", false},
        {"a piece linked from outside the folder",
         [](const TempFolder& set) {
             CutWith("")(set);
             fs::rename(set / "movie.mkv.002", set.Path().parent_path() / (set.Path().filename().string() + "-outside"));
             fs::create_symlink(set.Path().parent_path() / (set.Path().filename().string() + "-outside"),
                                set / "movie.mkv.002");
         },
         {"merge", "{set}/movie.mkv.001"}, 1, "分割文件movie.mkv.002不是这个文件夹中的普通文件,无法合并!", false},
        {"a check without a checksum file", CutWith(""), {"verify", "{set}/movie.mkv.001", "{set}"}, 1,
         "这组分割文件旁没有校验文件,无法校验内容!", false},
        {"a check naming the damaged piece", damaged(sums), {"verify", "{set}/movie.mkv.001", "{set}"}, 1,
         "分割文件movie.mkv.002已损坏", false},
    });
}

TEST(CliNumbered, MoreThanAHundredThousandPiecesAreNoSet) {
    TempFolder set;
    for (int n = 1; n <= 100001; ++n) WriteFile(set / ("x." + std::string(n < 1000 ? 3 - std::to_string(n).size() : 0, '0') + std::to_string(n)), "");
    const Result r = Cli({"merge", (set / "x.001").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "分割文件超过100000个,这不是一组可以合并的分割文件,无法合并!\n");
    EXPECT_FALSE(fs::exists(set / "x"));
}

}  // namespace
}  // namespace tirnel
