// The checksum file as the merge and the check read it: which files speak for the set, which
// are another set's, which are damaged, whatever the order of their lines.

#include "pieceset/SetChecksums.h"

#include "pieceset/ChecksumFile.h"
#include "pieceset/PieceSetFormat.h"
#include "tests/pieceset/RunTestSupport.h"

#include <gtest/gtest.h>

namespace tirnel {
namespace {

using namespace test;

// The digest the tables give piece n: that of its name, so a line read back under another
// piece's number shows.
Sha256Digest DigestOf(std::int64_t n) { return Sha256Of(PieceName(n)); }

std::string Lines(const std::vector<std::int64_t>& pieces, const std::string& descriptorBytes) {
    std::string text;
    for (std::int64_t n : pieces) text += ChecksumLineText(PieceName(n), DigestOf(n));
    return text + ChecksumLineText("d.hpe", Sha256Of(descriptorBytes));
}

TEST(SetChecksums, LoadsThisSetsFileInAnyOrderAndTellsAnotherSetsApart) {
    const std::string descriptor = "d.bin:code\r\n";
    struct Case {
        const char* what;
        std::string text;
        ChecksumsFound found;
        const char* failure;  // the whole notice, for Bad
    };
    const std::string tooLong = std::string(kMaxChecksumLineBytes + 1, 'a') + "\n";
    const Case cases[] = {
        {"in order", Lines({1, 2, 3}, descriptor), ChecksumsFound::Loaded, ""},
        {"reversed", Lines({3, 2, 1}, descriptor), ChecksumsFound::Loaded, ""},
        {"the descriptor line first", ChecksumLineText("d.hpe", Sha256Of(descriptor)) + Lines({1, 2, 3}, "x").substr(0, 3 * 73),
         ChecksumsFound::Loaded, ""},
        {"another set's descriptor line", Lines({1, 2, 3, 4}, "another descriptor"), ChecksumsFound::Foreign, ""},
        {"a piece missing", Lines({1, 3}, descriptor), ChecksumsFound::Bad,
         "校验文件d.hpe.sha256没有列出分割文件002.pe,无法合并!"},
        {"the last piece missing", Lines({1, 2}, descriptor), ChecksumsFound::Bad,
         "校验文件d.hpe.sha256没有列出分割文件003.pe,无法合并!"},
        {"a piece twice", Lines({1, 2, 2, 3}, descriptor), ChecksumsFound::Bad,
         "校验文件d.hpe.sha256重复列出了分割文件002.pe,无法合并!"},
        {"a piece beyond the set", Lines({1, 2, 3, 4}, descriptor), ChecksumsFound::Bad,
         "校验文件d.hpe.sha256列出了不属于这组分割文件的004.pe,无法合并!"},
        {"no descriptor line", Lines({1, 2, 3}, descriptor).substr(0, 3 * 73), ChecksumsFound::Bad,
         "校验文件d.hpe.sha256没有列出描述文件,无法合并!"},
        {"empty", "", ChecksumsFound::Bad, "校验文件d.hpe.sha256第1行格式不对,无法合并!"},
        {"a line too long", Lines({1}, descriptor) + tooLong, ChecksumsFound::Bad,
         "校验文件d.hpe.sha256第3行格式不对,无法合并!"},
        {"larger than any set of three pieces", std::string(4 * (kMaxChecksumLineBytes + 1) + 1, '\n'), ChecksumsFound::Bad,
         "校验文件d.hpe.sha256太大,不是这组分割文件的校验文件,无法合并!"},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        WriteFile(folder / "d.hpe", descriptor);
        WriteFile(folder / "d.hpe.sha256", c.text);
        SetChecksums checksums;
        std::string failure;
        EXPECT_EQ(checksums.Load(folder / "d.hpe", descriptor, 3, "无法合并!", failure), c.found) << c.what;
        EXPECT_EQ(failure, c.failure) << c.what;
        if (c.found != ChecksumsFound::Loaded) continue;
        // Asked for as the hashing threads finish: nearly in order.
        for (std::int64_t index : {1, 0, 2}) {
            Sha256Digest digest{};
            ASSERT_TRUE(checksums.Expected(index, digest, failure)) << c.what;
            EXPECT_EQ(digest, DigestOf(index + 1)) << c.what << " " << index;
        }
    }
}

TEST(SetChecksums, ManyPiecesOutOfOrderAreRefusedRatherThanHeldInMemory) {
    const std::string descriptor = "d.bin:code\r\n";
    const std::int64_t many = SetChecksums::kMaxUnorderedPieces + 1;
    std::vector<std::int64_t> order;
    for (std::int64_t n = many; n >= 1; --n) order.push_back(n);
    TempFolder folder;
    WriteFile(folder / "d.hpe.sha256", Lines(order, descriptor));
    SetChecksums checksums;
    std::string failure;
    EXPECT_EQ(checksums.Load(folder / "d.hpe", descriptor, many, "无法校验!", failure), ChecksumsFound::Bad);
    EXPECT_EQ(failure, "校验文件d.hpe.sha256中的分割文件没有按顺序排列,分割文件这么多时无法这样校验,无法校验!");
}

}  // namespace
}  // namespace tirnel
