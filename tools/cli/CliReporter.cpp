#include "tools/cli/CliReporter.h"

#include "pieceset/Notices.h"
#include "pieceset/PathText.h"
#include "pieceset/PieceSetFormat.h"
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

bool CliReporter::ConfirmReplaceSet(const std::string& descriptorName) {
    if (!replaceSets) {
        mNotices.push_back("目标文件夹中已有另一组分割文件(描述文件" + descriptorName +
                           "),分割会替换它的分割文件。要替换这组文件,请加上 --replace。");
    }
    return replaceSets;
}

// A set may have millions of pieces: they are counted, not kept.
void CliReporter::FileStarted(const fs::path& finalPath) {
    if (PieceNumberOf(TextFromPath(finalPath.filename()))) ++mPiecesStarted;
    mLastStarted = finalPath;
}

void CliReporter::ClearBar() {
    if (!mShowProgress || mBarLength == 0) return;
    // The line's free columns too: a Ctrl+C echoes "^C" right after the bar.
    std::fprintf(mErr, "\r%*s\r", static_cast<int>(mBarLength) + kFreeColumns - 1, "");
    mBarLength = 0;
    std::fflush(mErr);
}

std::string CliReporter::CompletionLine(const std::string& notice) const {
    auto shown = [](const fs::path& path) { return TextFromPath(fs::absolute(path).lexically_normal()); };
    if (mLastStarted.empty()) return notice;
    if (notice == notice::kSplitDone) {
        return notice + " " + std::to_string(mPiecesStarted) + " 个分割文件 → " +
               WithBackslash(shown(mLastStarted.parent_path()));
    }
    if (notice == notice::kMergeDone) return notice + " → " + shown(mLastStarted);
    return notice;
}

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
    std::FILE* to = outcome == RunOutcome::Completed ? mOut : mErr;
    for (const std::string& text : mNotices) {
        const std::string line = outcome == RunOutcome::Completed ? CompletionLine(text) : text;
        std::fprintf(to, "%s\n", line.c_str());
    }
    std::fflush(mOut);
    std::fflush(mErr);
}

}  // namespace tirnel
