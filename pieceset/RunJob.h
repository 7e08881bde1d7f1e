#pragma once
// What the split and merge runs share: how they end (refusal, failure, stop, completion),
// how they let the caller breathe, and how one chunk is copied.

#include "pieceset/MergeInput.h"
#include "pieceset/RunReporter.h"
#include "pieceset/Staging.h"
#include "platform/io/File.h"
#include "platform/io/FolderLock.h"
#include "platform/io/RangeHasher.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
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
    // A refusal the user chose (a question answered 否): nothing more to say.
    RunOutcome Decline(bool resetBar);
    // `hiddenLeft`: hidden files besides RemoveWritten's that could not be removed.
    RunOutcome Fail(const std::string& text, const std::vector<std::string>& hiddenLeft = {});
    // A failed commit: what could not be put in place and why, and what is not as it was.
    RunOutcome FailCommit(const CommitReport& report);
    // Takes the folder's lock for the rest of the run, then settles what killed runs left
    // there (an interrupted commit, staged files). False when the run may not go on: the
    // refusal has been shown (another run holds the lock, the folder cannot be read, a commit
    // could not be settled), or the user declined to go on without a lock. A run that
    // `writes` nothing goes on without one unasked.
    bool LockFolder(const std::filesystem::path& folder, bool resetBar, bool writes = true);
    // The folder of a merge's or a check's pieces, locked as LockFolder does, once both boxes
    // name what they should; empty when the run may not go on (the refusal has been shown).
    std::optional<std::filesystem::path> LockInputFolder(const MergeInput& input, bool writes);
    bool Ask(QuestionKind kind, const std::string& text) { return mReporter.Confirm(Question{kind, text}); }
    RunOutcome Stop();
    // Shows the completion; old copies the commit could not remove are added to its notes.
    RunOutcome Complete(Completion completion, const CommitReport& commit = {});

    // Lets the caller handle its events; false when it asked the run to stop.
    bool KeepGoing();
    // Calls `wait` (which waits no longer than it is given) until it holds, letting the caller
    // breathe between calls; false when the caller asked the run to stop.
    bool Await(const std::function<bool(std::chrono::milliseconds)>& wait);
    // The bar at done × 100 / total, when that changes what it shows.
    void ShowProgress(std::int64_t done, std::int64_t total);
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
                   std::error_code& ec, HashKind kind = HashKind::Sha256);
    bool FinishHashes();
    // The digests finished since the last call, in any order.
    std::vector<RangeHasher::HashResult> TakeHashes();

    // How a run names piece i, and has the digest its checksum file gives it (false with
    // `failure` when that cannot be had).
    using PieceNameOf = std::function<std::string(std::int64_t)>;
    using ExpectedDigest = std::function<bool(std::int64_t, DigestBytes&, std::string&)>;
    // A check: reports every bad piece among the digests finished so far.
    void ReportBadPieces(const PieceNameOf& nameOf, const ExpectedDigest& expected);
    // A merge: false, with the notice in `failure`, at the first of the digests finished so
    // far that could not be read back from `output` (`wrongLength` when it ended early) or
    // that differs from the checksum file's.
    bool CheckMergedPieces(const PieceNameOf& nameOf, const ExpectedDigest& expected, const std::string& output,
                           const std::string& wrongLength, std::string& failure);

    // A check names each bad piece as it finds it and goes on to the next.
    void Report(const std::string& text) {
        mReporter.ShowNotice(text);
        mSound = false;
    }
    bool Sound() const { return mSound; }

    // What stands at the name a merge rebuilds its file under.
    enum class Existing {
        None,       // nothing (or a folder, which the commit names)
        Identical,  // a file with exactly the bytes the merge would write
        Different,
        Unknown,    // a file of the same size and nothing to compare its bytes with
    };
    // The ranges of the rebuilt file a checksum file gives digests of, to compare a file with.
    struct ExpectedRanges {
        std::int64_t count = 0;
        HashKind kind = HashKind::Sha256;
        std::function<std::pair<std::int64_t, std::int64_t>(std::int64_t)> range;  // offset, length
        ExpectedDigest expected;  // of range i
    };
    // Compares what stands at `target` with a rebuilt file of `length` bytes: by its size,
    // then, with `ranges`, by the digests of its ranges, on the hashing threads. Empty when the
    // caller asked to stop.
    std::optional<Existing> CompareExisting(const std::filesystem::path& target, std::int64_t length,
                                            const ExpectedRanges* ranges, std::string& failure);
    // Asks before a merge replaces a file of the name it rebuilds; false when not allowed.
    bool MayReplaceFile(const std::string& name, Existing existing);
    // The completion of a repeated merge: the file is there already, byte for byte.
    RunOutcome CompleteUnchanged(const std::string& name, std::int64_t pieceCount, const std::filesystem::path& target);

    // "<what><name>:<reason>。"
    static std::string Problem(const std::string& what, const std::string& name, const std::error_code& ec);

    RunReporter& mReporter;
    const std::int64_t mChunk;
    const bool mPreferUnnamed;
    const std::string mToken = NewStagingToken();

    // Why a folder could not be looked at, and what that means for the run.
    static std::string UnreadableFolder(const std::error_code& ec);
    // "<lead>a、b、c。"
    static std::string NameList(const char* lead, const std::vector<std::string>& names);

private:
    // What to say of the written files after a failure or a stop: "" when all are gone.
    std::string LeftoversText(const std::vector<std::string>& hiddenLeft);

    FolderLock mLock;
    std::unique_ptr<RangeHasher> mHasher;
    int mShownPercent = -1;  // what the bar was last told by ChunkDone
    bool mSound = true;      // nothing reported
};

}  // namespace tirnel
