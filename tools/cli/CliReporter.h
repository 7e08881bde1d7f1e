#pragma once
// Reports a run on the terminal: the completion notice on standard output, every other
// notice on standard error, and a progress bar on standard error when it is a terminal.

#include "app/pieceset/RunReporter.h"

#include <cstdio>
#include <string>
#include <vector>

namespace tirnel {

class CliReporter : public RunReporter {
public:
    CliReporter(std::FILE* out, std::FILE* err, bool showProgress);

    void ShowNotice(const std::string& text) override;
    void SetProgress(int value) override;
    bool StopRequested() override;
    // Answers with `replaceSets` (--replace); a refusal says how to go on.
    bool ConfirmReplaceSet(const std::string& descriptorName) override;

    bool replaceSets = false;

    // Prints the notices once the outcome is known.
    void Finish(RunOutcome outcome);

    // Set from a signal handler: Ctrl+C stops the run cleanly.
    static volatile int sInterrupted;

private:
    void ClearBar();

    std::FILE* mOut;
    std::FILE* mErr;
    bool mShowProgress;
    int mShown = -1;
    std::vector<std::string> mNotices;
};

}  // namespace tirnel
