#pragma once
// What a split, merge or check needs from whoever drives it: the window (notice box, progress
// bar, event loop), the command line (standard output and error) or a test (a recorder).

#include "pieceset/PieceSetFormat.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tirnel {

enum class RunKind { Split, Merge, Verify };

// What a run asks before it replaces something the user may want to keep, or goes ahead
// without a guard. The window asks 是/否 (default 否); the command line answers with the option
// the user gave (--replace, --no-lock) and otherwise refuses, naming it.
enum class QuestionKind {
    ReplaceSet,         // the split would replace another set in the folder
    ReplaceFile,        // the merge would replace an existing file of the rebuilt file's name
    FolderWithoutLock,  // the folder's file system has no locks: go on without that guard?
};

struct Question {
    QuestionKind kind;
    // What is at stake, in full sentences: what would be replaced and removed. The caller
    // adds the question itself (or the option that allows it).
    std::string text;
};

// What a completed run did, for callers that say it in their own words.
struct Completion {
    RunKind kind = RunKind::Split;
    std::string notice;              // "文件分割完毕!", "文件合并完毕!", …
    std::vector<std::string> notes;  // what the user should know besides, one sentence each
    std::int64_t pieceCount = 0;     // the split: pieces written
    std::filesystem::path written;   // the split: the folder of the set; the merge: the file

    // The notice with the notes under it, one per line.
    std::string Text() const;
};

class RunReporter {
public:
    virtual ~RunReporter() = default;

    // A notice for the user (UTF-8): a refusal, a failure, a bad piece; returns once the user
    // has seen it.
    virtual void ShowNotice(const std::string& text) = 0;
    // The run completed; by default its text goes to ShowNotice.
    virtual void ShowCompletion(const Completion& completion) { ShowNotice(completion.Text()); }
    // The progress bar's value, 0 … 100.
    virtual void SetProgress(int value) = 0;
    // Lets the caller handle pending input and painting; called after every chunk and
    // between the blocks of a long copy.
    virtual void DoEvents() {}
    // Asked after every DoEvents until the run starts putting its outputs in place: true ends
    // the run at once and removes what it wrote.
    virtual bool StopRequested() { return false; }
    // The run is putting its outputs in place: from here it completes, or walks back on a
    // failure, on its own, and asks StopRequested no more.
    virtual void Committing() {}
    // Of the `total` outputs the commit puts in place (or names it removes), `done` are done.
    // Called for each, with DoEvents: a set of many pieces takes seconds.
    virtual void Saving(RunKind kind, std::int64_t done, std::int64_t total) {
        (void)kind, (void)done, (void)total;
    }
    // May the run go on? False (the default) ends it as refused, with nothing written.
    virtual bool Confirm(const Question& question) {
        (void)question;
        return false;
    }
};

// How a run ended.
enum class RunOutcome {
    Completed,  // the set or the rebuilt file was written and the completion shown
    Refused,    // a notice, nothing written
    Failed,     // a file operation failed; a notice gives the reason and what was written is gone
    Stopped,    // the caller asked to stop; what was written is gone
};

// Chunk size and copy-block settings of a run; tests make the chunk small.
struct RunOptions {
    std::int64_t chunkSize = ChunkSize;
    // Write unnamed files where the file system can (false: always under hidden names).
    bool unnamedStaging = true;
};

}  // namespace tirnel
