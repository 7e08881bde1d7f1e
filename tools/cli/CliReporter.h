#pragma once
// Reports a run on the terminal: the completion line on standard output, every other
// notice on standard error, and a progress bar on standard error when it is a terminal.

#include "pieceset/RunReporter.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace tirnel {

class CliReporter : public RunReporter {
public:
    CliReporter(std::FILE* out, std::FILE* err);

    void ShowNotice(const std::string& text) override;
    void SetProgress(int value) override;
    bool StopRequested() override;
    // Answers with `replaceSets` (--replace); a refusal says how to go on.
    bool ConfirmReplaceSet(const std::string& descriptorName) override;
    void FileStarted(const std::filesystem::path& finalPath) override;

    bool replaceSets = false;

    // Prints the notices once the outcome is known; a completion notice becomes one line
    // that says what was written where.
    void Finish(RunOutcome outcome);

    // Set from a signal handler to the signal's number: the run stops cleanly.
    static volatile int sInterrupted;

private:
    void ClearBar();
    std::string CompletionLine(const std::string& notice) const;

    std::FILE* mOut;
    std::FILE* mErr;
    bool mOutIsTerminal;
    bool mShowProgress;
    int mShown = -1;
    std::size_t mBarLength = 0;  // columns the bar's line takes
    std::vector<std::string> mNotices;
    // Of the files written: how many are pieces, and the final name of the last one.
    std::int64_t mPiecesStarted = 0;
    std::filesystem::path mLastStarted;
};

}  // namespace tirnel
