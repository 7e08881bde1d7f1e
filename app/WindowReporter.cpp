#include "app/WindowReporter.h"

#include "app/shell/ShellServices.h"

#include <QCoreApplication>

namespace tirnel {

WindowReporter::WindowReporter(ShellServices& shell, ProgressBarControl* bar, const bool& closing)
    : mShell(shell), mBar(bar), mClosing(closing) {}

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

}  // namespace tirnel
