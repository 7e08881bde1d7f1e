#include "platform/PrefixText.h"

#include <gtest/gtest.h>

namespace tirnel {
namespace {

TEST(PrefixTextTest, StripsMarkersAndRemembersTheMarkedCharacters) {
    struct Case {
        const char* caption;
        const char* shown;
        std::vector<int> underlined;
    };
    const Case cases[] = {
        {"&Save", "Save", {0}},
        {"Sa&ve", "Save", {2}},
        {"Fish && Chips", "Fish & Chips", {}},
        {"Fish && &Chips", "Fish & Chips", {7}},
        {"A&", "A&", {}},            // a lone marker at the end is drawn
        {"&", "&", {}},
        {"&&&x", "&x", {1}},
        {"a&b&c", "abc", {1, 2}},
        {"&&", "&", {}},
        {"", "", {}},
    };
    for (const Case& c : cases) {
        const PrefixText result = StripPrefixes(QString::fromUtf8(c.caption));
        EXPECT_EQ(result.text, QString::fromUtf8(c.shown)) << c.caption;
        EXPECT_EQ(result.underlined, c.underlined) << c.caption;
    }
}

TEST(PrefixTextTest, KeepsNonAsciiCharacters) {
    const PrefixText result = StripPrefixes(QStringLiteral("分割(&S)"));
    EXPECT_EQ(result.text, QStringLiteral("分割(S)"));
    EXPECT_EQ(result.underlined, std::vector<int>{3});
}

}  // namespace
}  // namespace tirnel
