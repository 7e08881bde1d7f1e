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

bool WindowReporter::ConfirmReplaceSet(const std::string& descriptorName) {
    const QString text = QStringLiteral("目标文件夹中已有另一组分割文件(描述文件%1),继续分割会替换这组文件。\n要替换吗?")
                             .arg(QString::fromStdString(descriptorName));
    return mShell.ShowNotice(text, kNoticeYesNo | kNoticeIconQuestion | kNoticeDefaultSecond) == kNoticeResultYes;
}

}  // namespace tirnel
