#include "platform/io/Terminal.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace tirnel {
namespace {

// Where no terminal reports its width (here a plain file; a terminal's own width is tested
// through tirnel-cli on a pseudo-terminal).
TEST(TerminalTest, WithoutATerminalTheWidthIsColumnsElse80) {
    const struct {
        std::optional<std::string> columns;
        int expected;
    } rows[] = {
        {std::nullopt, 80}, {"", 80}, {"1", 1}, {"132", 132}, {"99999", 99999},
        {"100000", 80},     {"0", 80}, {"-40", 80}, {"40x", 80}, {"wide", 80},
    };
    const char* saved = std::getenv("COLUMNS");
    const std::optional<std::string> before = saved ? std::optional<std::string>(saved) : std::nullopt;
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    EXPECT_FALSE(IsTerminal(file));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.columns.value_or("unset"));
        if (row.columns) ::setenv("COLUMNS", row.columns->c_str(), 1);
        else ::unsetenv("COLUMNS");
        EXPECT_EQ(TerminalColumns(file), row.expected);
    }
    std::fclose(file);
    if (before) ::setenv("COLUMNS", before->c_str(), 1);
    else ::unsetenv("COLUMNS");
}

}  // namespace
}  // namespace tirnel
