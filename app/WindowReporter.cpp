#include "app/WindowReporter.h"

#include "app/shell/ShellServices.h"

#include <QCoreApplication>

namespace tirnel {

WindowReporter::WindowReporter(ShellServices& shell, ProgressBarControl* bar, const bool& closing,
                               bool& committing)
    : mShell(shell), mBar(bar), mClosing(closing), mCommitting(committing) {}

void WindowReporter::ShowNotice(const std::string& text) {
    mShell.ShowNotice(QString::fromStdString(text), kNoticeIconInformation);
}

void WindowReporter::SetProgress(int value) { SetBarValue(mBar, value); }

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
