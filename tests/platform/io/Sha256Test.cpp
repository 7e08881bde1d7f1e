#include "platform/io/Sha256.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <utility>

namespace tirnel {
namespace {

// FIPS 180-2 examples, whole and fed in uneven pieces through a moved hasher.
TEST(Sha256, KnownVectorsWholeAndInPieces) {
    const std::pair<std::string, std::string> vectors[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const auto& [input, hex] : vectors) {
        EXPECT_EQ(HexOf(Sha256Of(input)), hex);
        Sha256 first;
        std::size_t done = std::min<std::size_t>(1, input.size());
        first.Update(input.data(), done);
        Sha256 hash(std::move(first));
        for (std::size_t piece = 63; done < input.size(); piece = piece * 3 % 1000 + 1) {
            const std::size_t n = std::min(piece, input.size() - done);
            hash.Update(input.data() + done, n);
            done += n;
        }
        EXPECT_EQ(HexOf(hash.Finish()), hex);
    }
}

TEST(Sha256, HexReadsBackEitherCaseAndRefusesAnythingElse) {
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
}

}  // namespace
}  // namespace tirnel
