#include "app/WindowReporter.h"

#include "app/shell/ShellServices.h"

#include <QCoreApplication>

namespace tirnel {

WindowReporter::WindowReporter(ShellServices& shell, ProgressBarControl* bar, const bool& closing,
                               bool& committing)
    : mShell(shell), mBar(bar), mClosing(closing), mCommitting(committing) {}

void WindowReporter::ShowNotice(const std::string& text) {
    ShowOnBar(QString());
    mShell.ShowNotice(QString::fromStdString(text), kNoticeIconInformation);
}

bool WindowReporter::MayRepaint() {
    if (mSinceRepaint.isValid() && mSinceRepaint.elapsed() < kRepaintIntervalMs) return false;
    mSinceRepaint.start();
    return true;
}

void WindowReporter::SetProgress(int value) {
    if (value == 0 || value == 100 || MayRepaint()) SetBarValue(mBar, value);
}

void WindowReporter::ShowOnBar(const QString& text) {
    if (text.isEmpty() && !mBarHasText) return;
    SetBarText(mBar, text);
    mBarHasText = !text.isEmpty();
}

void WindowReporter::Saving(RunKind kind, std::int64_t done, std::int64_t total) {
    if (done != 0 && done != total && !MayRepaint()) return;
    ShowOnBar(kind == RunKind::Split ? QStringLiteral("正在保存分割文件… %1/%2").arg(done).arg(total)
                                     : QStringLiteral("正在保存合并出的文件…"));
}

void WindowReporter::DoEvents() {
    if (mSinceEvents.isValid() && mSinceEvents.elapsed() < kEventIntervalMs) return;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    mSinceEvents.start();
}

bool WindowReporter::StopRequested() { return mClosing; }

bool WindowReporter::Confirm(const Question& question) {
    // The question itself, by kind: what is at stake comes from the run.
    static constexpr const char* kAsk[] = {"要替换吗?", "要替换吗?", "仍要继续吗?"};
    const QString text = QString::fromStdString(question.text) + QStringLiteral("\n") +
                         QString::fromUtf8(kAsk[static_cast<int>(question.kind)]);
    return mShell.ShowNotice(text, kNoticeYesNo | kNoticeIconQuestion | kNoticeDefaultSecond) == kNoticeResultYes;
}

}  // namespace tirnel
