#include "tools/cli/CliReporter.h"

namespace tirnel {

volatile int CliReporter::sInterrupted = 0;

CliReporter::CliReporter(std::FILE* out, std::FILE* err, bool showProgress)
    : mOut(out), mErr(err), mShowProgress(showProgress) {}

void CliReporter::ShowNotice(const std::string& text) { mNotices.push_back(text); }

void CliReporter::SetProgress(int value) {
    if (!mShowProgress || value == mShown) return;
    mShown = value;
    if (value == 0) {
        ClearBar();
        return;
    }
    constexpr int kWidth = 40;
    std::string bar(static_cast<std::size_t>(value * kWidth / 100), '#');
    bar.resize(kWidth, '-');
    std::fprintf(mErr, "\r[%s] %3d%%", bar.c_str(), value);
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

void CliReporter::ClearBar() {
    if (!mShowProgress) return;
    std::fprintf(mErr, "\r%*s\r", 48, "");
    std::fflush(mErr);
}

void CliReporter::Finish(RunOutcome outcome) {
    ClearBar();
    std::FILE* to = outcome == RunOutcome::Completed ? mOut : mErr;
    // A stop is quiet unless something it wrote could not be removed.
    if (outcome == RunOutcome::Stopped) {
        std::fputs(mNotices.empty() ? "已中断,本次写入的文件已删除。\n" : "已中断。\n", mErr);
    }
    for (const std::string& text : mNotices) std::fprintf(to, "%s\n", text.c_str());
    std::fflush(to);
}

}  // namespace tirnel
