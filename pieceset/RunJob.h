#pragma once
// What the split and merge runs share: how they end (refusal, failure, stop, completion),
// how they let the caller breathe, and how one chunk is copied.

#include "pieceset/RunReporter.h"
#include "pieceset/Staging.h"
#include "platform/io/File.h"
#include "platform/io/FolderLock.h"
#include "platform/io/RangeHasher.h"

#include <memory>
#include <string>
#include <system_error>
#include <vector>

namespace tirnel {

class RunJob {
protected:
    RunJob(RunReporter& reporter, const RunOptions& options)
        : mReporter(reporter), mChunk(options.chunkSize), mPreferUnnamed(options.unnamedStaging) {}
    virtual ~RunJob() = default;

    // Removes every file this run has written so far; returns the names of those it could
    // not remove.
    virtual std::vector<std::string> RemoveWritten() = 0;

    RunOutcome Refuse(const std::string& text, bool resetBar);
    RunOutcome Fail(const std::string& text);
    // A failed commit: what could not be put in place and why.
    RunOutcome FailCommit(const CommitFailure& failure);
    // Takes the folder's lock for the rest of the run and clears what killed runs left there;
    // false (with the refusal shown) when another run holds it.
    bool LockFolder(const std::filesystem::path& folder);
    RunOutcome Stop();
    RunOutcome Complete(const std::string& text);

    // Lets the caller handle its events; false when it asked the run to stop.
    bool KeepGoing();
    // After chunk i of count: lets the caller breathe, then moves the bar. False when the
    // caller asked the run to stop.
    bool ChunkDone(std::int64_t i, std::int64_t count);

    enum class ChunkResult { Copied, Stopped, Failed, Short };
    // Copies one chunk, letting the caller breathe between blocks.
    ChunkResult CopyChunk(File& from, std::int64_t fromOffset, File& to, std::int64_t toOffset,
                          std::int64_t size, std::error_code& ec);

    // Hashing in the background while the run copies. QueueHash waits for room, letting the
    // caller breathe; both return false when the caller asked to stop (or, for QueueHash,
    // with `ec` set when the file could not be handed over).
    bool QueueHash(const File& file, std::int64_t offset, std::int64_t length, std::int64_t index,
                   std::error_code& ec);
    bool FinishHashes();
    // The digests finished since the last call, in any order.
    std::vector<RangeHasher::HashResult> TakeHashes();

    // "<what><name>:<reason>。"
    static std::string Problem(const std::string& what, const std::string& name, const std::error_code& ec);

    RunReporter& mReporter;
    const std::int64_t mChunk;
    const bool mPreferUnnamed;
    const std::string mToken = NewStagingToken();

private:
    // What to say of the written files after a failure or a stop: "" when all are gone.
    std::string LeftoversText();

    FolderLock mLock;
    std::unique_ptr<RangeHasher> mHasher;
};

}  // namespace tirnel
