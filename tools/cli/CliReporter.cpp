#include "tools/cli/CliReporter.h"

#include "pieceset/PathText.h"
#include "platform/io/Terminal.h"
#include "tools/cli/ProgressLine.h"

#include <algorithm>
#include <cstring>

namespace tirnel {

namespace fs = std::filesystem;

volatile int CliReporter::sInterrupted = 0;

CliReporter::CliReporter(std::FILE* out, std::FILE* err)
    : mOut(out), mErr(err), mOutIsTerminal(IsTerminal(out)), mShowProgress(IsTerminal(err)) {}

void CliReporter::ShowNotice(const std::string& text) { mNotices.push_back(text); }

void CliReporter::SetProgress(int value) {
    if (!mShowProgress || value == mShown) return;
    mShown = value;
    if (value == 0) {
        ClearBar();
        return;
    }
    // The width is asked every time: the user may resize the terminal during a run, and a
    // line wider than the terminal would wrap and scroll with every update.
    const std::string line = ProgressLine(value, TerminalColumns(mErr));
    const std::size_t pad = mBarLength > line.size() ? mBarLength - line.size() : 0;
    std::fprintf(mErr, "\r%s%*s", line.c_str(), static_cast<int>(pad), "");
    mBarLength = line.size() + pad;
    std::fflush(mErr);
}

bool CliReporter::StopRequested() { return sInterrupted != 0; }

void CliReporter::ShowCompletion(const Completion& completion) { mCompletion = completion; }

bool CliReporter::Confirm(const Question& question) {
    struct Answer {
        bool CliReporter::*given;
        const char* hint;
    };
    static constexpr Answer kAnswers[] = {
        {&CliReporter::replace, "要替换这组文件,请加上 --replace。"},         // ReplaceSet
        {&CliReporter::replace, "要替换这个文件,请加上 --replace。"},         // ReplaceFile
        {&CliReporter::noLock, "要在不加锁的情况下继续,请加上 --no-lock。"},  // FolderWithoutLock
    };
    const Answer& answer = kAnswers[static_cast<int>(question.kind)];
    if (!(this->*answer.given)) mNotices.push_back(question.text + answer.hint);
    return this->*answer.given;
}

void CliReporter::ClearBar() {
    if (!mShowProgress || mBarLength == 0) return;
    // The line's free columns too: a Ctrl+C echoes "^C" right after the bar.
    std::fprintf(mErr, "\r%*s\r", static_cast<int>(mBarLength) + kFreeColumns - 1, "");
    mBarLength = 0;
    std::fflush(mErr);
}

namespace {
std::string Shown(const fs::path& path) { return TextFromPath(fs::absolute(path).lexically_normal()); }

// "文件分割完毕! 21 个分割文件 → /path/folder/" or "文件合并完毕! → /path/file".
std::string CompletionLine(const Completion& completion) {
    switch (completion.kind) {
    case RunKind::Split:
        return completion.notice + " " + std::to_string(completion.pieceCount) + " 个分割文件 → " +
               WithBackslash(Shown(completion.written));
    case RunKind::Merge: return completion.notice + " → " + Shown(completion.written);
    case RunKind::Verify: break;
    }
    return completion.notice;
}
}  // namespace

void CliReporter::Finish(RunOutcome outcome) {
    ClearBar();
    if (outcome == RunOutcome::Stopped) {
        // A Ctrl+C echoes "^C" on the terminal. Cleared with the bar, or at the start of the
        // line when no bar was shown, so the notice and then the shell's prompt start on a
        // fresh line; with only standard output on the terminal, that line is ended there.
        if (mShowProgress) std::fputs("\r  \r", mErr);
        else if (mOutIsTerminal) std::fputs("\n", mOut);
        // A stop is quiet unless something it wrote could not be removed.
        std::fputs(mNotices.empty() ? "已中断,本次写入的文件已删除。\n" : "已中断。\n", mErr);
    }
    for (const std::string& text : mNotices) std::fprintf(mErr, "%s\n", text.c_str());
    if (mCompletion) {
        std::fprintf(mOut, "%s\n", CompletionLine(*mCompletion).c_str());
        for (const std::string& note : mCompletion->notes) std::fprintf(mErr, "%s\n", note.c_str());
    }
    std::fflush(mOut);
    std::fflush(mErr);
}

}  // namespace tirnel
