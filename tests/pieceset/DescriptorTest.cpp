#include "pieceset/Descriptor.h"
#include "pieceset/PieceSetFormat.h"

#include <gtest/gtest.h>

namespace tirnel {
namespace {

TEST(Descriptor, NameIsStoredInCodePage936) {
    auto bytes = DescriptorBytes("测试.txt", "100k:3");
    ASSERT_TRUE(bytes);
    // 测 = B2 E2, 试 = CA D4 in code page 936.
    EXPECT_EQ(bytes->substr(0, 9), std::string("\xB2\xE2\xCA\xD4.txt:"));
    EXPECT_EQ(bytes->substr(9), ScrambleText("100k:3") + "\r\n");
}

TEST(Descriptor, RoundTripsNames) {
    for (const char* name : {"report", "archive.tar.gz", "测试 文件.tar.gz", "数据(1).bin", "€uro.txt", ".profile"}) {
        auto bytes = DescriptorBytes(name, "007m:12");
        ASSERT_TRUE(bytes) << name;
        DescriptorError error;
        auto content = ParseDescriptor(*bytes, error);
        ASSERT_TRUE(content) << name;
        EXPECT_EQ(content->name, name);
        EXPECT_EQ(content->payload, "007m:12");
        EXPECT_EQ(error, DescriptorError::None);
    }
}

TEST(Descriptor, NamesOutsideTheCodePageAreNotStorable) {
    for (const char* name : {"smile\xF0\x9F\x98\x80.txt", "bad\xFF utf8"}) {
        EXPECT_FALSE(DescriptorBytes(name, "1k:1").has_value()) << name;
    }
}

TEST(Descriptor, RefusesWhatIsNotOne) {
    DescriptorError error;
    EXPECT_FALSE(ParseDescriptor("no separator here", error));
    EXPECT_EQ(error, DescriptorError::NoSeparator);
    EXPECT_FALSE(ParseDescriptor("\x81\x20:code", error));  // a lead byte without a valid trail byte
    EXPECT_EQ(error, DescriptorError::BadName);
}

TEST(Descriptor, PlainFileNames) {
    for (const char* ok : {"a", "a.b", "测试.txt", "...", "a b"}) EXPECT_TRUE(IsPlainFileName(ok)) << ok;
    for (const std::string& bad : {std::string(""), std::string("."), std::string(".."), std::string("../x"),
                                  std::string("a/b"), std::string("a\\b"), std::string("/etc"), std::string("a\0b", 3)}) {
        EXPECT_FALSE(IsPlainFileName(bad)) << bad;
    }
}

}  // namespace
}  // namespace tirnel
