#include "platform/io/Sha256.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace tirnel {
namespace {

struct Vector {
    std::string input;
    std::string hex;
};

// FIPS 180-2 examples; each is also fed in uneven pieces through a moved hasher.
TEST(Sha256, KnownVectorsWholeAndInPieces) {
    const Vector vectors[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const Vector& v : vectors) {
        SCOPED_TRACE(v.input.substr(0, 20));
        EXPECT_EQ(HexOf(Sha256Of(v.input)), v.hex);

        Sha256 first;
        std::size_t done = std::min<std::size_t>(1, v.input.size());
        first.Update(v.input.data(), done);
        Sha256 hash(std::move(first));
        for (std::size_t piece = 63; done < v.input.size(); piece = piece * 3 % 1000 + 1) {
            const std::size_t n = std::min(piece, v.input.size() - done);
            hash.Update(v.input.data() + done, n);
            done += n;
        }
        EXPECT_EQ(HexOf(hash.Finish()), v.hex);
    }
}

TEST(Sha256, HexReadsBackEitherCaseAndRefusesAnythingElse) {
    const Sha256Digest digest = Sha256Of("abc");
    const std::string hex = HexOf(digest);
    std::string upper = hex;
    std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) { return static_cast<char>(std::toupper(c)); });
    EXPECT_EQ(DigestFromHex(hex), digest);
    EXPECT_EQ(DigestFromHex(upper), digest);

    const std::string refused[] = {
        "", hex.substr(1), hex + "0", " " + hex.substr(1), hex.substr(0, 63) + "g",
        "0x" + hex.substr(2), hex.substr(0, 32) + std::string(1, '\0') + hex.substr(33),
        hex.substr(0, 10) + "-" + hex.substr(11),
    };
    for (const std::string& text : refused) EXPECT_FALSE(DigestFromHex(text)) << text;
}

}  // namespace
}  // namespace tirnel
