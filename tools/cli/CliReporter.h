#pragma once
// Reports a run on the terminal: the completion line on standard output, every other
// notice on standard error, and a progress bar on standard error when it is a terminal.

#include "pieceset/RunReporter.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace tirnel {

class CliReporter : public RunReporter {
public:
    CliReporter(std::FILE* out, std::FILE* err);

    void ShowNotice(const std::string& text) override;
    void ShowCompletion(const Completion& completion) override;
    void SetProgress(int value) override;
    bool StopRequested() override;
    // Answers with the option the user gave for the question's kind; without it the run is
    // refused with a message that names the option.
    bool Confirm(const Question& question) override;

    bool replace = false;  // --replace
    bool noLock = false;   // --no-lock

    // Prints the notices once the outcome is known: the completion as one line that says what
    // was written where, its notes on standard error.
    void Finish(RunOutcome outcome);

    // Set from a signal handler to the signal's number: the run stops cleanly.
    static volatile int sInterrupted;

private:
    void ClearBar();

    std::FILE* mOut;
    std::FILE* mErr;
    bool mOutIsTerminal;
    bool mShowProgress;
    int mShown = -1;
    std::size_t mBarLength = 0;  // columns the bar's line takes
    std::vector<std::string> mNotices;
    std::optional<Completion> mCompletion;
};

}  // namespace tirnel
