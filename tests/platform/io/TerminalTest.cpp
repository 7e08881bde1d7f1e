#include "platform/io/Terminal.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/ioctl.h>
#include <unistd.h>

namespace tirnel {
namespace {

// A pseudo-terminal whose window is `columns` wide, seen through its terminal side.
struct PseudoTerminal {
    int controller = ::posix_openpt(O_RDWR | O_NOCTTY);
    std::FILE* terminal = nullptr;

    explicit PseudoTerminal(unsigned short columns) {
        if (controller < 0 || ::grantpt(controller) != 0 || ::unlockpt(controller) != 0) return;
        winsize size{};
        size.ws_row = 24;
        size.ws_col = columns;
        ::ioctl(controller, TIOCSWINSZ, &size);
        terminal = std::fopen(::ptsname(controller), "w");
    }
    ~PseudoTerminal() {
        if (terminal) std::fclose(terminal);
        if (controller >= 0) ::close(controller);
    }
};

TEST(TerminalTest, TheWidthIsTheTerminalsElseColumnsElse80) {
    const struct {
        int terminalColumns;  // -1: a plain file, not a terminal
        std::optional<std::string> columnsVariable;
        int expected;
        bool isTerminal;
    } rows[] = {
        {132, "50", 132, true},
        {0, "50", 50, true},  // a terminal that reports no width
        {0, std::nullopt, 80, true},
        {-1, std::nullopt, 80, false},
        {-1, "", 80, false},
        {-1, "1", 1, false},
        {-1, "99999", 99999, false},
        {-1, "100000", 80, false},
        {-1, "0", 80, false},
        {-1, "-40", 80, false},
        {-1, "40x", 80, false},
        {-1, "wide", 80, false},
    };
    const char* saved = std::getenv("COLUMNS");
    const std::optional<std::string> before = saved ? std::optional<std::string>(saved) : std::nullopt;
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.terminalColumns) + " columns, COLUMNS " + row.columnsVariable.value_or("unset"));
        if (row.columnsVariable) {
            ::setenv("COLUMNS", row.columnsVariable->c_str(), 1);
        } else {
            ::unsetenv("COLUMNS");
        }
        if (row.terminalColumns >= 0) {
            PseudoTerminal pty(static_cast<unsigned short>(row.terminalColumns));
            ASSERT_NE(pty.terminal, nullptr);
            EXPECT_EQ(IsTerminal(pty.terminal), row.isTerminal);
            EXPECT_EQ(TerminalColumns(pty.terminal), row.expected);
        } else {
            std::FILE* file = std::tmpfile();
            ASSERT_NE(file, nullptr);
            EXPECT_EQ(IsTerminal(file), row.isTerminal);
            EXPECT_EQ(TerminalColumns(file), row.expected);
            std::fclose(file);
        }
    }
    if (before) {
        ::setenv("COLUMNS", before->c_str(), 1);
    } else {
        ::unsetenv("COLUMNS");
    }
}

}  // namespace
}  // namespace tirnel
