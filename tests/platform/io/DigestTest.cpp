#include "platform/io/Digest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <utility>

namespace tirnel {
namespace {

// FIPS 180-2, RFC 1321 and the CRC-32 check value, whole and fed in uneven pieces through a
// moved hasher.
TEST(Digest, KnownVectorsWholeAndInPieces) {
    struct Vector {
        HashKind kind;
        std::string input;
        std::string hex;
    };
    const Vector vectors[] = {
        {HashKind::Sha256, "", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {HashKind::Sha256, "abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {HashKind::Sha256, "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {HashKind::Sha256, std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
        {HashKind::Md5, "", "d41d8cd98f00b204e9800998ecf8427e"},
        {HashKind::Md5, "abc", "900150983cd24fb0d6963f7d28e17f72"},
        {HashKind::Md5, "12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
        {HashKind::Crc32, "", "00000000"},
        {HashKind::Crc32, "123456789", "cbf43926"},
        {HashKind::Crc32, std::string(1000000, 'a'), "dc25bfbc"},
    };
    for (const auto& [kind, input, hex] : vectors) {
        EXPECT_EQ(HexOf(DigestOf(kind, input), kind), hex);
        Hasher first(kind);
        std::size_t done = std::min<std::size_t>(1, input.size());
        first.Update(input.data(), done);
        Hasher hash(std::move(first));
        for (std::size_t piece = 63; done < input.size(); piece = piece * 3 % 1000 + 1) {
            const std::size_t n = std::min(piece, input.size() - done);
            hash.Update(input.data() + done, n);
            done += n;
        }
        EXPECT_EQ(HexOf(hash.Finish(), kind), hex);
    }
}

TEST(Digest, HexReadsBackEitherCaseAndRefusesAnythingElse) {
    const Sha256Digest digest = Sha256Of("abc");
    const std::string hex = HexOf(digest);
    std::string upper = hex;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(DigestFromHex(hex), digest);
    EXPECT_EQ(DigestFromHex(upper), digest);

    const std::string refused[] = {
        "", hex.substr(1), hex + "0", " " + hex.substr(1), hex.substr(0, 63) + "g", "0x" + hex.substr(2),
        hex.substr(0, 32) + std::string(1, '\0') + hex.substr(33), hex.substr(0, 10) + "-" + hex.substr(11)};
    for (const std::string& text : refused) EXPECT_FALSE(DigestFromHex(text)) << text;
    // The length is the kind's own.
    EXPECT_EQ(DigestFromHex("CBF43926", HashKind::Crc32), DigestOf(HashKind::Crc32, "123456789"));
    EXPECT_FALSE(DigestFromHex("cbf43926", HashKind::Md5));
    EXPECT_FALSE(DigestFromHex(hex, HashKind::Crc32));
}

}  // namespace
}  // namespace tirnel
