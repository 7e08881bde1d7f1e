#include "pieceset/SplitRun.h"

#include "pieceset/ChecksumFile.h"
#include "pieceset/ChunkPlan.h"
#include "pieceset/Descriptor.h"
#include "pieceset/Notices.h"
#include "pieceset/FolderSurvey.h"
#include "pieceset/PathText.h"
#include "pieceset/PieceSetFormat.h"
#include "pieceset/RunJob.h"
#include "pieceset/Staging.h"
#include "platform/io/FaultPoint.h"
#include "platform/io/File.h"
#include "platform/io/ProcessLimits.h"
#include "platform/io/SharedBlocks.h"

#include <map>
#include <optional>
#include <vector>

namespace tirnel {

namespace {

namespace fs = std::filesystem;


// True when a file of the set would replace the source itself: under its own name, or under
// a name its folder's file system takes for the same (any letter case, on FAT and exFAT).
bool SetWouldReplaceSource(const fs::path& source, const fs::path& folder, const std::string& descriptorName,
                           std::int64_t pieceCount) {
    std::error_code ec;
    fs::path real = fs::canonical(source, ec);
    if (ec) return false;
    if (!fs::equivalent(real.parent_path(), folder, ec) || ec) return false;
    const std::string name = TextFromPath(real.filename());
    return IsPieceOfSet(name, pieceCount) || EqualIgnoringCase(name, descriptorName) ||
           SameFile(folder / PathFromText(descriptorName), real);
}

class SplitJob : public RunJob, private StagedOutputs {
public:
    SplitJob(RunReporter& reporter, const RunOptions& options) : RunJob(reporter, options) {}

    RunOutcome Run(const SplitInput& input);

private:
    RunOutcome Refuse(const std::string& text) { return RunJob::Refuse(text, false); }
    bool WriteDescriptor(std::string& failure);
    bool StartPiece(std::int64_t number, std::string& failure);
    bool EndPiece(std::string& failure);
    // Looks at what the folder holds and asks before replacing another set there; false when
    // the run may not go on (the refusal shown).
    bool MayReplaceSets(const std::string& name, std::int64_t pieceCount);
    // What the completion adds: surplus pieces removed, stray pieces left.
    std::vector<std::string> Notes() const;
    // Writes the checksum lines of the pieces hashed so far, in piece order.
    bool WriteChecksums(std::string& failure);
    bool WriteChecksumLine(const std::string& name, const Sha256Digest& digest, std::string& failure);
    std::vector<std::string> RemoveWritten() override;

    // The set as the commit puts it in place: what the sets it replaces leave (their
    // descriptors and checksum files, then their pieces beyond the new count), the pieces, the
    // checksum file (or the removal of an old one), then the descriptor.
    std::int64_t Removed() const { return static_cast<std::int64_t>(mRemoved.size() + mSurvey.surplus.size()); }
    bool HasChecksumStep() const { return mChecksums || mRemoveOldChecksums; }
    std::int64_t Count() const override { return Removed() + mPiecesEnded + (HasChecksumStep() ? 2 : 1); }
    OutputName NameOf(std::int64_t i) const override;
    StagedFile Take(std::int64_t i) override;
    // A set of many pieces takes seconds to put in place: the caller keeps breathing meanwhile.
    void Placed(std::int64_t i) override {
        mReporter.Saving(RunKind::Split, i + 1, Count());
        mReporter.DoEvents();
    }
    void Breathe() override { mReporter.DoEvents(); }
    // Queues the digest of the piece just closed.
    bool HashPiece(const File& source, const Chunk& chunk, std::error_code& ec);
    // After a source changed during the run: the digests taken from it are taken again from
    // the pieces, and the checksum lines written anew.
    bool RehashPieces(std::string& failure);

    fs::path mFolder;
    std::string mDescriptorName;
    std::string mDescriptorBytes;
    StagedFile mDescriptor;
    StagedFile mPiece;                 // the piece being written
    std::int64_t mPiecesStarted = 0;
    std::int64_t mPiecesEnded = 0;
    // Unnamed pieces live only as long as their handles: the first ones are kept here until
    // the commit, as many as the process may hold open; the rest get their hidden names.
    std::vector<File> mUnnamed;

    bool mChecksums = true;
    StagedFile mChecksumFile;
    std::int64_t mChecksumBytes = 0;
    std::int64_t mNextChecksum = 0;                    // the piece whose line comes next
    std::map<std::int64_t, Sha256Digest> mEarlyDigests;  // finished before their turn
    bool mRemoveOldChecksums = false;  // a split without checksums takes a stale one away
    FileState mSourceState;            // the source when the run opened it
    std::int64_t mHashedFromSource = 0;
    FolderSurvey mSurvey;
    std::vector<std::string> mRemoved;  // descriptors and checksum files of the sets replaced
};

// Reads back what the descriptor will say, with every check a merge makes, so the split
// never writes a set that no merge would read.
std::string ReadBackFailure(const std::string& descriptor, const std::string& name, std::int64_t pieceSize,
                            std::int64_t chunkCount, std::int64_t chunkSize) {
    if (static_cast<std::int64_t>(descriptor.size()) > kMaxDescriptorBytes) return notice::kSizeTextTooLong;
    std::string failure;
    std::optional<DescribedSet> set = ReadDescribedSet(descriptor, chunkSize, failure);
    if (!set || set->name != name || set->shape.pieceSize != pieceSize || set->chunkCount != chunkCount) {
        return notice::kSizeNotNumber;
    }
    return "";
}

RunOutcome SplitJob::Run(const SplitInput& input) {
    fs::path sourcePath = PathFromText(input.source);
    if (TrimTrailingSpaces(input.source).empty() || !IsOrdinaryFile(sourcePath)) return Refuse(notice::kNoSource);
    if (TrimTrailingSpaces(input.folder).empty() || !IsFolder(PathFromText(input.folder))) {
        return Refuse(notice::kNoFolder);
    }
    if (input.size.belowOne) return Refuse(notice::kSizeBelowOne);

    std::error_code ec;
    File source = File::OpenRead(sourcePath, ec);
    const std::int64_t length = ec ? -1 : source.Size(ec);
    if (ec) return Refuse(Problem("无法读取源文件", "", ec));
    mSourceState = StateOf(source);

    if (!input.size.bytes) return Refuse(notice::kSizeTooLarge);
    const std::int64_t n = *input.size.bytes;
    if (length < n) return RunJob::Refuse(notice::kNoNeedToSplit, true);

    const std::string name = FileNameOf(input.source);
    if (name.find_first_of(":\\") != std::string::npos) return Refuse(notice::kNameHasSeparator);
    const ChunkPlan plan(length, n, mChunk);
    const std::string payload = MakePayload(input.size.text, input.size.megabytes, plan.Count());
    // The size text is read back before the name is looked at; a name the code page cannot
    // spell is then refused in its own words.
    const std::optional<std::string> descriptor = DescriptorBytes(name, payload);
    const std::string readBack =
        ReadBackFailure(descriptor.value_or(*DescriptorBytes("x", payload)), descriptor ? name : "x", n, plan.Count(), mChunk);
    if (!readBack.empty()) return Refuse(readBack);
    if (!descriptor) return Refuse(notice::kNameNotStorable);
    mDescriptorBytes = *descriptor;
    mDescriptorName = DescriptorNameOf(name);
    mFolder = PathFromText(WithBackslash(input.folder));
    const std::int64_t pieceCount = PieceCount(length, n);
    // A merge rebuilds the file beside its pieces: it could never be rebuilt under a piece's name.
    if (IsPieceOfSet(name, pieceCount)) return Refuse(notice::kStoredNameIsPiece);
    if (SetWouldReplaceSource(sourcePath, mFolder, mDescriptorName, pieceCount)) {
        return Refuse(notice::kSourceIsTarget);
    }
    if (!LockFolder(mFolder, true)) return RunOutcome::Refused;
    if (!MayReplaceSets(name, pieceCount)) return RunOutcome::Refused;
    // A descriptor name within a few bytes of the file system's limit leaves no room for
    // ".sha256": such a set goes without its checksum file, like the original program's. So
    // does one whose line would be longer than any merge reads (never with real names).
    const std::string checksumName = ChecksumFileNameOf(mDescriptorName);
    mChecksums = input.checksums && checksumName.size() <= MaxFileNameBytes(mFolder) &&
                 static_cast<std::int64_t>(ChecksumLineText(mDescriptorName, {}).size()) <= kMaxChecksumLineBytes;
    // Without one, a checksum file of the same name left from before would speak for another set.
    std::error_code statError;
    mRemoveOldChecksums =
        !mChecksums && fs::symlink_status(mFolder / PathFromText(checksumName), statError).type() != fs::file_type::not_found;

    std::string failure;
    for (std::int64_t i = 0; i < plan.Count(); ++i) {
        const Chunk chunk = plan.At(i);
        if (chunk.last && !WriteDescriptor(failure)) return Fail(failure);
        if (chunk.startsPiece && !StartPiece(chunk.piece + 1, failure)) return Fail(failure);
        const CopySpan span = CopySpanOf(chunk);
        switch (CopyChunk(source, span.fileOffset, mPiece.Data(), span.pieceOffset, span.size, ec)) {
        case ChunkResult::Copied: break;
        case ChunkResult::Stopped: return Stop();
        case ChunkResult::Failed: return Fail(Problem("写入", PieceName(chunk.piece + 1), ec));
        case ChunkResult::Short: return Fail(notice::kSourceChanged);
        }
        if (chunk.ClosesPiece()) {
            if (mChecksums && !HashPiece(source, chunk, ec)) {
                return ec ? Fail(Problem("读取", PieceName(chunk.piece + 1), ec)) : Stop();
            }
            if (!EndPiece(failure)) return Fail(failure);
        }
        if (!WriteChecksums(failure)) return Fail(failure);
        if (!ChunkDone(i, plan.Count())) return Stop();
    }
    if (mChecksums) {
        if (!FinishHashes()) return Stop();
        if (!WriteChecksums(failure)) return Fail(failure);
        if (mHashedFromSource > 0 && StateOf(source) != mSourceState && !RehashPieces(failure)) {
            return failure.empty() ? Stop() : Fail(failure);
        }
        if (!WriteChecksumLine(mDescriptorName, Sha256Of(mDescriptorBytes), failure)) return Fail(failure);
    }
    source.Close(ec);
    // Pieces first, the descriptor last: the set is complete once its descriptor appears.
    // A set replaced is not flushed first: its pieces are gone with the new set anyway.
    CommitReport commit;
    mReporter.Committing();
    mReporter.Saving(RunKind::Split, 0, Count());
    if (!CommitOutputs(*this, mFolder, mToken, false, commit)) return FailCommit(commit);
    return Complete({RunKind::Split, notice::kSplitDone, Notes(), mPiecesEnded, mFolder}, commit);
}

std::vector<std::string> SplitJob::Notes() const {
    std::vector<std::string> notes;
    const std::vector<std::int64_t>& surplus = mSurvey.surplus;
    if (!surplus.empty()) notes.push_back("已删除被替换的分割文件中多余的" + RangeText(surplus.front(), surplus.back()) + "。");
    const PieceRange& stray = mSurvey.stray;
    if (stray.count > 0) {
        notes.push_back("文件夹中另有" + std::to_string(stray.count) + "个分割文件(" + RangeText(stray.first, stray.last) +
                        ")不属于任何描述文件,没有删除。");
    }
    return notes;
}

// Where the file system shares blocks (XFS with reflink, btrfs) the piece lies on the source's
// blocks: its bytes are read from the source, whose pages the run has cached, instead of from
// the piece, whose pages it has not. Everywhere else the piece as written is read, from the
// pages the copy left cached. Either way on another thread.
bool SplitJob::HashPiece(const File& source, const Chunk& chunk, std::error_code& ec) {
    if (RangesShareBlocks(mPiece.Data(), 0, source, chunk.PieceStart(), chunk.PieceLength())) {
        ++mHashedFromSource;
        FaultPoint("hash-source");
        return QueueHash(source, chunk.PieceStart(), chunk.PieceLength(), chunk.piece, ec);
    }
    FaultPoint("hash-piece");
    return QueueHash(mPiece.Data(), 0, chunk.PieceLength(), chunk.piece, ec);
}

bool SplitJob::RehashPieces(std::string& failure) {
    mNextChecksum = 0;
    mChecksumBytes = 0;  // the lines come again, of the same lengths, over the old ones
    mEarlyDigests.clear();
    for (std::int64_t k = 0; k < mPiecesEnded; ++k) {
        std::error_code ec;
        const std::size_t slot = static_cast<std::size_t>(k);
        File named;
        if (slot >= mUnnamed.size()) named = File::OpenRead(StagingPath(mFolder, mToken, std::to_string(k + 1)), ec);
        const File& piece = slot < mUnnamed.size() ? mUnnamed[slot] : named;
        const std::int64_t size = ec ? 0 : piece.Size(ec);
        FaultPoint("hash-piece");
        if (ec || !QueueHash(piece, 0, size, k, ec)) {
            if (ec) failure = Problem("读取", PieceName(k + 1), ec);
            return false;
        }
        if (!WriteChecksums(failure)) return false;
    }
    return FinishHashes() && WriteChecksums(failure);
}

bool SplitJob::WriteDescriptor(std::string& failure) {
    std::error_code ec;
    mDescriptor = StagedFile::Create(StagingPath(mFolder, mToken, "hpe"), mPreferUnnamed, ec);
    if (!ec) mDescriptor.Data().WriteAt(mDescriptorBytes.data(), mDescriptorBytes.size(), 0, ec);
    if (ec) failure = Problem("无法写入", mDescriptorName, ec);
    return !ec;
}

bool SplitJob::StartPiece(std::int64_t number, std::string& failure) {
    const std::string name = PieceName(number);
    std::error_code ec;
    mPiece = StagedFile::Create(StagingPath(mFolder, mToken, std::to_string(number)), mPreferUnnamed, ec);
    if (ec) failure = Problem("无法创建", name, ec);
    else mPiecesStarted = number;
    return !ec;
}

bool SplitJob::EndPiece(std::string& failure) {
    mPiecesEnded = mPiecesStarted;
    if (!mPiece.IsNamed() && static_cast<std::int64_t>(mUnnamed.size()) < OpenFileAllowance()) {
        mUnnamed.push_back(mPiece.ReleaseData());
        return true;
    }
    std::error_code ec;
    mPiece.Close(ec);
    if (ec) failure = Problem("写入", PieceName(mPiecesEnded), ec);
    return !ec;
}

bool SplitJob::MayReplaceSets(const std::string& name, std::int64_t pieceCount) {
    std::error_code ec;
    mSurvey = SurveyFolder(mFolder, mDescriptorName, pieceCount, mChunk, ec);
    if (ec) {
        Refuse(UnreadableFolder(ec));
        return false;
    }
    if (mSurvey.ReplacesAnotherSet(name) &&
        !Ask(QuestionKind::ReplaceSet, ReplaceSetText(mSurvey, name, pieceCount))) {
        Decline(false);
        return false;
    }
    for (const SetInFolder& set : mSurvey.replaced) {
        if (set.sameName) continue;  // the new descriptor and checksum file take those names
        mRemoved.push_back(set.descriptorName);
        if (set.hasChecksumFile) mRemoved.push_back(ChecksumFileNameOf(set.descriptorName));
    }
    return true;
}

bool SplitJob::WriteChecksumLine(const std::string& name, const Sha256Digest& digest, std::string& failure) {
    std::error_code ec;
    if (!mChecksumFile.IsOpen() && !mChecksumFile.IsNamed()) {
        mChecksumFile = StagedFile::Create(StagingPath(mFolder, mToken, "sha"), mPreferUnnamed, ec);
    }
    const std::string line = ChecksumLineText(name, digest);
    if (!ec) mChecksumFile.Data().WriteAt(line.data(), line.size(), mChecksumBytes, ec);
    if (ec) {
        failure = Problem("无法写入", ChecksumFileNameOf(mDescriptorName), ec);
        return false;
    }
    mChecksumBytes += static_cast<std::int64_t>(line.size());
    return true;
}

bool SplitJob::WriteChecksums(std::string& failure) {
    for (const RangeHasher::HashResult& result : TakeHashes()) {
        if (result.ec || result.shortRead) {
            const std::error_code ec = result.ec ? result.ec : std::make_error_code(std::errc::io_error);
            failure = Problem("无法读回", PieceName(result.index + 1), ec);
            return false;
        }
        mEarlyDigests[result.index] = result.digest;
    }
    for (auto next = mEarlyDigests.begin(); next != mEarlyDigests.end() && next->first == mNextChecksum;
         next = mEarlyDigests.erase(next)) {
        if (!WriteChecksumLine(PieceName(mNextChecksum + 1), next->second, failure)) return false;
        ++mNextChecksum;
    }
    return true;
}

OutputName SplitJob::NameOf(std::int64_t i) const {
    const std::int64_t removed = static_cast<std::int64_t>(mRemoved.size());
    if (i < removed) return {mRemoved[static_cast<std::size_t>(i)], "r" + std::to_string(i), true};
    if (i < Removed()) {
        const std::int64_t number = mSurvey.surplus[static_cast<std::size_t>(i - removed)];
        return {PieceName(number), "s" + std::to_string(number), true};
    }
    i -= Removed();
    if (i < mPiecesEnded) return {PieceName(i + 1), std::to_string(i + 1)};
    if (HasChecksumStep() && i == mPiecesEnded) return {ChecksumFileNameOf(mDescriptorName), "sha", !mChecksums};
    return {mDescriptorName, "hpe"};
}

StagedFile SplitJob::Take(std::int64_t i) {
    i -= Removed();
    if (mChecksums && i == mPiecesEnded) return std::move(mChecksumFile);
    if (i >= mPiecesEnded) return std::move(mDescriptor);
    const fs::path staged = StagingPath(mFolder, mToken, std::to_string(i + 1));
    const std::size_t k = static_cast<std::size_t>(i);
    if (k < mUnnamed.size()) return StagedFile(std::move(mUnnamed[k]), staged, false);
    return StagedFile(File(), staged, true);
}

std::vector<std::string> SplitJob::RemoveWritten() {
    std::vector<std::string> left;
    auto discard = [&](StagedFile&& file) {
        if (!file.Discard()) left.push_back(TextFromPath(file.StagingPath().filename()));
    };
    // Unnamed pieces are gone with their handles. Closing tens of thousands takes seconds (the
    // system frees their blocks): the caller keeps breathing meanwhile.
    const std::int64_t unnamed = static_cast<std::int64_t>(mUnnamed.size());
    while (!mUnnamed.empty()) {
        mUnnamed.pop_back();
        mReporter.DoEvents();
    }
    for (std::int64_t number = unnamed + 1; number <= mPiecesEnded; ++number) {
        discard(StagedFile(File(), StagingPath(mFolder, mToken, std::to_string(number)), true));
        mReporter.DoEvents();
    }
    discard(std::move(mPiece));
    discard(std::move(mChecksumFile));
    discard(std::move(mDescriptor));
    return left;
}

}  // namespace

RunOutcome SplitRun(const SplitInput& input, RunReporter& reporter, const RunOptions& options) {
    return SplitJob(reporter, options).Run(input);
}

}  // namespace tirnel
