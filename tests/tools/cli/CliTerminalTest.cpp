// tirnel-cli on a terminal: the progress bar within the terminal's width, and Ctrl+C typed
// on the terminal during a run.

#include "tests/pieceset/RunTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <functional>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tirnel {
namespace {

using namespace test;

struct TerminalRun {
    int status = -1;     // as waitpid gives it
    std::string output;  // everything the terminal received, its echo included
};

// Runs tirnel-cli with standard input, output and error on a terminal `columns` wide, with
// COLUMNS saying otherwise; `type` sees the output so far and may return keys to type once.
TerminalRun RunOnTerminal(const std::vector<std::string>& args, unsigned short columns,
                          const std::function<std::string(const std::string&)>& type = {}) {
    const std::string cli = std::string(TIRNEL_BIN_DIR) + "/tirnel-cli";
    std::vector<char*> argv{const_cast<char*>(cli.c_str())};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    winsize size{};
    size.ws_row = 24;
    size.ws_col = columns;
    int master = -1;
    const pid_t pid = forkpty(&master, nullptr, nullptr, &size);
    if (pid == 0) {
        setenv("COLUMNS", "300", 1);
        execv(cli.c_str(), argv.data());
        _exit(127);
    }
    TerminalRun run;
    if (pid < 0) return run;
    bool typed = false;
    // A safety net against a run that never ends, not a measure of anything.
    for (int round = 0; round < 120000; ++round) {
        pollfd ready{master, POLLIN, 0};
        if (poll(&ready, 1, 5) > 0) {
            char buffer[4096];
            const ssize_t got = read(master, buffer, sizeof buffer);
            if (got <= 0) break;  // the terminal is closed once the run has ended
            run.output.append(buffer, static_cast<std::size_t>(got));
        }
        if (type && !typed) {
            const std::string keys = type(run.output);
            if (!keys.empty()) typed = write(master, keys.data(), keys.size()) == static_cast<ssize_t>(keys.size());
        }
    }
    kill(pid, SIGKILL);  // no-op when it has ended
    waitpid(pid, &run.status, 0);
    close(master);
    return run;
}

// The lines the terminal shows at the end: a carriage return goes back to the start of the
// line and what follows overwrites it, one character per cell.
std::vector<std::string> Screen(const std::string& output) {
    std::vector<std::vector<std::string>> lines(1);
    std::size_t column = 0;
    for (std::size_t i = 0; i < output.size();) {
        const unsigned char c = static_cast<unsigned char>(output[i]);
        if (c == '\r' || c == '\n') {
            column = 0;
            if (c == '\n') lines.emplace_back();
            ++i;
            continue;
        }
        std::size_t length = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
        auto& line = lines.back();
        if (line.size() <= column) line.resize(column + 1, " ");
        line[column++] = output.substr(i, length);
        i += length;
    }
    std::vector<std::string> shown;
    for (const auto& cells : lines) {
        std::string text;
        for (const std::string& cell : cells) text += cell;
        shown.push_back(text.substr(0, text.find_last_not_of(' ') + 1));
    }
    return shown;
}

// The pieces of output between carriage returns and line feeds that hold a percentage.
std::vector<std::string> ProgressUpdates(const std::string& output) {
    std::vector<std::string> updates;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= output.size(); ++i) {
        if (i < output.size() && output[i] != '\r' && output[i] != '\n') continue;
        const std::string piece = output.substr(start, i - start);
        if (piece.find('%') != std::string::npos) updates.push_back(piece);
        start = i + 1;
    }
    return updates;
}

TEST(CliOnTerminal, ProgressBarFitsTheTerminalWidth) {
    TempFolder source;
    WriteFile(source / "p.bin", Pattern(300 * 1024));
    struct Case {
        unsigned short columns;
        bool bar;      // "[###---]" shown
        bool percent;  // "42%" shown
    };
    for (const Case c : {Case{80, true, true}, Case{20, true, true}, Case{12, false, true}, Case{6, false, false}}) {
        TempFolder set;
        const TerminalRun run = RunOnTerminal({"split", (source / "p.bin").string(), set.Text(), "1"}, c.columns);
        ASSERT_TRUE(WIFEXITED(run.status) && WEXITSTATUS(run.status) == 0) << run.output;
        const std::vector<std::string> updates = ProgressUpdates(run.output);
        EXPECT_EQ(!updates.empty(), c.percent) << c.columns;
        bool bar = false;
        for (const std::string& update : updates) {
            // Short of the last column: no wrap, so every update rewrites the same line.
            EXPECT_LT(update.size(), c.columns) << '"' << update << '"';
            bar = bar || update.find("[#") != std::string::npos;
        }
        EXPECT_EQ(bar, c.bar) << c.columns;
        // Once done the bar is gone: the completion line is all the screen keeps.
        std::vector<std::string> screen = Screen(run.output);
        EXPECT_EQ(screen.back(), "");
        screen.pop_back();
        EXPECT_THAT(screen, ::testing::ElementsAre(::testing::StartsWith("文件分割完毕!"))) << c.columns;
    }
}

TEST(CliOnTerminal, CtrlCEndsWithStatus130AndTheCursorOnAFreshLine) {
    TempFolder source, set;
    WriteFile(source / "big.bin", Pattern(48 << 20));
    // Ctrl+C once the bar shows the run under way.
    const TerminalRun run = RunOnTerminal({"split", (source / "big.bin").string(), set.Text(), "1"}, 40,
                                          [](const std::string& output) {
                                              return output.find('%') != std::string::npos ? "\x03" : "";
                                          });
    ASSERT_TRUE(WIFEXITED(run.status)) << run.output;
    EXPECT_EQ(WEXITSTATUS(run.status), 130);
    EXPECT_NE(run.output.find("^C"), std::string::npos) << "the terminal echoes the key";
    EXPECT_THAT(Screen(run.output), ::testing::ElementsAre("已中断,本次写入的文件已删除。", ""));
    EXPECT_TRUE(Snapshot(set.Path()).empty());
}

}  // namespace
}  // namespace tirnel
