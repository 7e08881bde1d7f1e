#include "pieceset/SizeArgument.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tirnel {
namespace {

TEST(SizeArgument, DigitsWithAnOptionalUnitSuffixAndNothingElse) {
    const struct {
        const char* text;
        const char* digits;
        std::optional<bool> megabytes;
        const char* error;  // empty: understood, as digits and unit
    } rows[] = {
        {"100", "100", std::nullopt, ""},
        {"007", "007", std::nullopt, ""},
        {"700k", "700", false, ""},
        {"2Mb", "2", true, ""},
        {"MB", "", std::nullopt, "无法识别分割大小 \"MB\":应为整数,可带单位 K、KB、M 或 MB,例如 100、700KB、2M。"},
        {"1e3", "", std::nullopt,
         "无法识别分割大小 \"1e3\" 中的 \"e3\":应为整数,可带单位 K、KB、M 或 MB,例如 100、700KB、2M。"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const SizeArgument size = ParseSizeArgument(row.text);
        EXPECT_EQ(size.error, row.error);
        if (!size.error.empty()) continue;
        EXPECT_EQ(size.digits, row.digits);
        EXPECT_EQ(size.megabytes, row.megabytes);
    }
}

}  // namespace
}  // namespace tirnel
