#pragma once
// A run as the window shows it: notices in the notice box, progress in the window's bar,
// the event loop kept turning while the run works, and a stop once the window is closing.

#include "app/StandIns.h"
#include "pieceset/RunReporter.h"

#include <QElapsedTimer>

namespace tirnel {

class ShellServices;

class WindowReporter : public RunReporter {
public:
    // closing: set by the window when it is asked to close; the run then stops.
    // committing: set here once the run puts its outputs in place and can no longer stop.
    WindowReporter(ShellServices& shell, ProgressBarControl* bar, const bool& closing, bool& committing);

    void ShowNotice(const std::string& text) override;
    void SetProgress(int value) override;
    // Handles pending events at the first call and then whenever kEventInterval has passed,
    // so that tiny chunks cost little and the window never waits long.
    void DoEvents() override;
    bool StopRequested() override;
    void Committing() override { mCommitting = true; }
    // Asks in a 是/否 box whose default is 否.
    bool Confirm(const Question& question) override;

    static constexpr qint64 kEventIntervalMs = 10;

private:
    ShellServices& mShell;
    ProgressBarControl* mBar;
    const bool& mClosing;
    bool& mCommitting;
    QElapsedTimer mSinceEvents;
};

}  // namespace tirnel
