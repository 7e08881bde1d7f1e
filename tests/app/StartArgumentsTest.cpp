#include "app/StartArguments.h"

#include <gtest/gtest.h>

namespace tirnel {
namespace {

TEST(StartArgumentsTest, OptionsDecideUntilDoubleDashAndTheFirstFileIsOpened) {
    const struct {
        QStringList arguments;
        StartAction action;
        QString file;
        QString problem;
    } rows[] = {
        {{}, StartAction::Window, "", ""},
        {{"a.bin"}, StartAction::Window, "a.bin", ""},
        {{"a.bin", "b.bin"}, StartAction::Window, "a.bin", ""},
        {{"--", "-h"}, StartAction::Window, "-h", ""},
        {{"--", "--", "x"}, StartAction::Window, "--", ""},
        {{"-x"}, StartAction::Window, "-x", ""},  // a name, or an option of Qt's own
        {{"a.bin", "--version"}, StartAction::Version, "", ""},
        {{"--help", "--bogus"}, StartAction::Help, "", ""},
        {{"--bogus", "--help"}, StartAction::UsageError, "", "未知选项: --bogus"},
        {{"--Help"}, StartAction::UsageError, "", "未知选项: --Help"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.join(u' ').toStdString());
        const StartArguments start = ReadStartArguments(row.arguments);
        EXPECT_EQ(start.action, row.action);
        EXPECT_EQ(start.file, row.file);
        EXPECT_EQ(start.problem, row.problem);
    }
}

}  // namespace
}  // namespace tirnel
