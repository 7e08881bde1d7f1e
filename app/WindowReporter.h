#pragma once
// A run as the window shows it: notices in the notice box, progress in the window's bar,
// the event loop kept turning while the run works, and a stop once the window is closing.

#include "app/StandIns.h"
#include "pieceset/RunReporter.h"

#include <QElapsedTimer>
#include <QString>

namespace tirnel {

class ShellServices;

class WindowReporter : public RunReporter {
public:
    // closing: set by the window when it is asked to close; the run then stops.
    // committing: set here once the run puts its outputs in place and can no longer stop.
    WindowReporter(ShellServices& shell, ProgressBarControl* bar, const bool& closing, bool& committing);

    void ShowNotice(const std::string& text) override;
    // At most kRepaintsPerSecond a second, apart from the full and the empty bar.
    void SetProgress(int value) override;
    // Handles pending events at the first call and then whenever kEventInterval has passed,
    // so that tiny chunks cost little and the window never waits long.
    void DoEvents() override;
    bool StopRequested() override;
    void Committing() override { mCommitting = true; }
    // The bar says what is being saved, "正在保存分割文件… 12000/29297".
    void Saving(RunKind kind, std::int64_t done, std::int64_t total) override;
    // Asks in a 是/否 box whose default is 否.
    bool Confirm(const Question& question) override;

    static constexpr qint64 kEventIntervalMs = 10;
    static constexpr qint64 kRepaintIntervalMs = 1000 / 30;

private:
    // True when kRepaintIntervalMs has passed since the last repaint it allowed.
    bool MayRepaint();
    void ShowOnBar(const QString& text);

    ShellServices& mShell;
    ProgressBarControl* mBar;
    const bool& mClosing;
    bool& mCommitting;
    QElapsedTimer mSinceEvents;
    QElapsedTimer mSinceRepaint;
    bool mBarHasText = false;
};

}  // namespace tirnel
