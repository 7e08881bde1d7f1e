#pragma once
// What a split or merge run needs from whoever drives it: the window (notice box, progress
// bar, event loop), the command line (standard output and error) or a test (a recorder).

#include "pieceset/PieceSetFormat.h"

#include <filesystem>
#include <string>

namespace tirnel {

class RunReporter {
public:
    virtual ~RunReporter() = default;

    // A notice for the user (UTF-8); returns once the user has seen it.
    virtual void ShowNotice(const std::string& text) = 0;
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
    // Another set in the folder would lose pieces to the split: may it be replaced (its
    // descriptor and checksum file removed with them)? `descriptorName` names that set.
    virtual bool ConfirmReplaceSet(const std::string& descriptorName) {
        (void)descriptorName;
        return false;
    }
    // The run starts writing the file that will stand under this name when it succeeds.
    virtual void FileStarted(const std::filesystem::path& finalPath) { (void)finalPath; }
};

// How a run ended.
enum class RunOutcome {
    Completed,  // the set or the rebuilt file was written and the completion notice shown
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
