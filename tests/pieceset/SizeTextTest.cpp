#include "pieceset/SizeText.h"

#include <gtest/gtest.h>

namespace tirnel {
namespace {

TEST(SizeText, ReadsTheNumberAtTheStart) {
    struct Case {
        const char* text;
        bool belowOne;
        std::optional<std::int64_t> kilobytes;  // bytes with the KB unit
    };
    const Case cases[] = {
        {"100", false, 102400},   {"007", false, 7168},   {"0", true, 0},          {"00", true, 0},
        {"", true, 0},            {"abc", true, 0},       {"12abc", false, 12288}, {"  5", false, 5120},
        {"1 0", false, 10240},    {"-3", true, std::nullopt}, {"0.5", true, 512},  {"1.5", false, 1536},
        {"1.0004", false, 1024},  {"1.0005", false, 1025},
        {"9007199254740991", false, 9223372036854774784LL},
        {"9007199254740992", false, std::nullopt},  // times 1024 is 2^63, beyond 64 bits
        {"99999999999999999999999", false, std::nullopt},
    };
    for (const Case& c : cases) {
        LeadingNumber n = ReadLeadingNumber(c.text);
        EXPECT_EQ(n.IsBelowOne(), c.belowOne) << c.text;
        EXPECT_EQ(SizeInBytes(n, false), c.kilobytes) << c.text;
    }
}

TEST(SizeText, MegabytesAreKilobytesRoundedThenScaled) {
    EXPECT_EQ(SizeInBytes(ReadLeadingNumber("1"), true), 1048576);
    EXPECT_EQ(SizeInBytes(ReadLeadingNumber("2048"), true), 2048LL * 1048576);
    EXPECT_EQ(SizeInBytes(ReadLeadingNumber("8796093022207"), true), 8796093022207LL * 1048576);
    EXPECT_EQ(SizeInBytes(ReadLeadingNumber("8796093022208"), true), std::nullopt);
    // 0.00048828125 KB is exactly half a byte: ties go to even, so 0; 0.00146484375 is 1.5 -> 2.
    EXPECT_EQ(SizeInBytes(ReadLeadingNumber("1.00048828125"), false), 1024);
    EXPECT_EQ(SizeInBytes(ReadLeadingNumber("1.00146484375"), false), 1026);
}

TEST(SizeText, RoundedNumberTiesToEven) {
    const std::pair<const char*, std::optional<std::int64_t>> cases[] = {
        {"7", 7}, {"8.5", 8}, {"9.5", 10}, {"0.5", 0}, {"1.5", 2}, {"-1", std::nullopt}, {"x", 0}};
    for (const auto& [text, value] : cases) EXPECT_EQ(RoundedNumber(ReadLeadingNumber(text)), value) << text;
}

}  // namespace
}  // namespace tirnel
