#include "pieceset/NumberedMergeRun.h"

#include "pieceset/MergeOutput.h"
#include "pieceset/Notices.h"
#include "pieceset/NumberedSource.h"
#include "pieceset/PathText.h"
#include "pieceset/RunJob.h"
#include "pieceset/SetChecksums.h"
#include "pieceset/Staging.h"
#include "platform/io/File.h"
#include "platform/io/StreamHasher.h"

#include <memory>

namespace tirnel {

namespace {

namespace fs = std::filesystem;

// What both runs share: the inputs checked, the folder locked, the set opened.
class NumberedJob : public RunJob {
protected:
    using RunJob::RunJob;

    // False with the refusal shown.
    bool Open(const MergeInput& input, const std::string& ending, bool writes) {
        std::optional<fs::path> folder = LockInputFolder(input, writes);
        if (!folder) return false;
        mFolder = std::move(*folder);
        std::string failure;
        std::optional<NumberedSource> source =
            OpenNumberedSet(mFolder, *ParseNumberedName(FileNameOf(input.descriptor)), ending, failure);
        if (!source) {
            Refuse(failure, true);
            return false;
        }
        mSource = std::move(*source);
        for (std::int64_t k = 0, offset = 0; k < mSource.set.Count(); offset += Size(k), ++k) mOffsets.push_back(offset);
        return true;
    }

    const NumberedSet& Set() const { return mSource.set; }
    const NumberedChecksums& Sums() const { return mSource.checksums; }
    bool PerPiece() const { return !Sums().pieces.empty(); }
    std::int64_t Size(std::int64_t k) const { return Set().sizes[static_cast<std::size_t>(k)]; }
    std::int64_t Offset(std::int64_t k) const { return mOffsets[static_cast<std::size_t>(k)]; }

    // The one digest of the whole file, taken range after range as they are written or read.
    bool AppendToStream(const File& file, std::int64_t offset, std::int64_t length, std::error_code& ec) {
        if (!mStream) mStream = std::make_unique<StreamHasher>(Sums().kind);
        if (!Await([this](std::chrono::milliseconds wait) { return mStream->WaitForRoom(wait); })) return false;
        return mStream->Append(file, offset, length, ec);
    }
    // Empty when the caller asked to stop; otherwise whether the stream has the file's digest.
    std::optional<bool> StreamMatches() {
        if (mStream && !Await([this](std::chrono::milliseconds wait) { return mStream->WaitIdle(wait); })) {
            return std::nullopt;
        }
        std::error_code ec;
        bool shortRead = false;
        const DigestBytes digest = mStream ? mStream->Finish(ec, shortRead) : DigestBytes{};
        return !ec && !shortRead && digest == *Sums().whole;
    }
    // Piece k's name, and the digest the checksum file gives it.
    PieceNameOf Names() const { return [this](std::int64_t k) { return Set().PieceName(k + 1); }; }
    ExpectedDigest Digests() const {
        return [this](std::int64_t k, DigestBytes& digest, std::string&) {
            digest = Sums().pieces[static_cast<std::size_t>(k)];
            return true;
        };
    }
    std::string WholeDamaged() const {
        return "合并出的文件与校验文件" + Sums().fileName + "不符,分割文件中有损坏的,请重新获取分割文件后再合并!";
    }

    fs::path mFolder;
    NumberedSource mSource;
    std::vector<std::int64_t> mOffsets;  // of each piece in the rebuilt file
    std::unique_ptr<StreamHasher> mStream;
};

class NumberedMergeJob : public NumberedJob {
public:
    NumberedMergeJob(RunReporter& reporter, const RunOptions& options) : NumberedJob(reporter, options) {}

    RunOutcome Run(const MergeInput& input);

private:
    bool CheckPieceHashes(std::string& failure) {
        return CheckMergedPieces(Names(), Digests(), mSource.outputName, "合并出的文件长度不对。", failure);
    }
    ExpectedRanges Ranges();
    std::vector<std::string> RemoveWritten() override { return mOutput.Discard(); }

    MergeOutput mOutput{mReporter};
};

RunOutcome NumberedMergeJob::Run(const MergeInput& input) {
    if (!Open(input, "无法合并!", true)) return RunOutcome::Refused;
    const std::string& name = mSource.outputName;
    const std::int64_t length = Set().Length();
    const fs::path target = mFolder / PathFromText(name);

    std::string failure;
    const ExpectedRanges ranges = Ranges();
    const std::optional<Existing> existing = CompareExisting(target, length, mSource.verified ? &ranges : nullptr, failure);
    if (!existing) return Stop();
    if (!failure.empty()) return Refuse(failure, true);
    if (*existing == Existing::Identical) return CompleteUnchanged(name, Set().Count(), target);
    if (!MayReplaceFile(name, *existing)) return Decline(true);

    std::error_code ec;
    File& out = mOutput.Create(mFolder, mToken, mPreferUnnamed, name, ec);
    if (ec) return Fail(Problem("无法创建", name, ec));
    for (std::int64_t k = 0; k < Set().Count(); ++k) {
        const std::string pieceName = Set().PieceName(k + 1);
        File piece = File::OpenRead(mFolder / PathFromText(pieceName), ec);
        if (ec) return Fail(Problem("无法读取", pieceName, ec));
        switch (CopyChunk(piece, 0, out, Offset(k), Size(k), ec)) {
        case ChunkResult::Copied: break;
        case ChunkResult::Stopped: return Stop();
        case ChunkResult::Failed: return Fail(Problem("合并", pieceName, ec));
        case ChunkResult::Short: return Fail("分割文件" + pieceName + "在合并过程中变短了。");
        }
        if (piece.Size(ec) != Size(k) || ec) return Fail("分割文件" + pieceName + "在合并过程中被改动了。");
        // What the output holds of each piece is checked: that is what is kept.
        const bool queued = !mSource.verified ? true
                            : PerPiece()      ? QueueHash(out, Offset(k), Size(k), k, ec, Sums().kind)
                                              : AppendToStream(out, Offset(k), Size(k), ec);
        if (!queued) return ec ? Fail(Problem("读取", name, ec)) : Stop();
        if (!CheckPieceHashes(failure)) return Fail(failure);
        if (!ChunkDone(k, Set().Count())) return Stop();
    }
    if (!FinishHashes()) return Stop();
    if (!CheckPieceHashes(failure)) return Fail(failure);
    if (mSource.verified && !PerPiece()) {
        const std::optional<bool> matches = StreamMatches();
        if (!matches) return Stop();
        if (!*matches) return Fail(WholeDamaged());
    }
    if (out.Size(ec) != length || ec) return Fail(ec ? Problem("写入", name, ec) : "合并出的文件" + name + "长度不对。");

    CommitReport commit;
    mReporter.Committing();
    if (!CommitOutputs(mOutput, mFolder, mToken, true, commit)) return FailCommit(commit);
    std::vector<std::string> notes;
    if (!mSource.verified) notes.push_back("未校验内容:这组分割文件旁没有校验文件。");
    return Complete({RunKind::Merge, notice::kMergeDone, notes, Set().Count(), target}, commit);
}

RunJob::ExpectedRanges NumberedMergeJob::Ranges() {
    const bool perPiece = PerPiece();
    return {perPiece ? Set().Count() : 1, Sums().kind,
            [this, perPiece](std::int64_t k) {
                return perPiece ? std::pair{Offset(k), Size(k)} : std::pair{std::int64_t{0}, Set().Length()};
            },
            [this, perPiece](std::int64_t k, DigestBytes& digest, std::string&) {
                digest = perPiece ? Sums().pieces[static_cast<std::size_t>(k)] : *Sums().whole;
                return true;
            }};
}

class NumberedVerifyJob : public NumberedJob {
public:
    NumberedVerifyJob(RunReporter& reporter, const RunOptions& options) : NumberedJob(reporter, options) {}

    RunOutcome Run(const MergeInput& input);

private:
    std::vector<std::string> RemoveWritten() override { return {}; }  // it writes nothing
    void CheckPieceHashes() { ReportBadPieces(Names(), Digests()); }

};

RunOutcome NumberedVerifyJob::Run(const MergeInput& input) {
    if (!Open(input, "无法校验!", false)) return RunOutcome::Refused;
    if (!mSource.verified) return Refuse("这组分割文件旁没有校验文件,无法校验内容!", true);
    std::error_code ec;
    for (std::int64_t k = 0; k < Set().Count(); ++k) {
        const std::string name = Set().PieceName(k + 1);
        File piece = File::OpenRead(mFolder / PathFromText(name), ec);
        const bool queued = !ec && (PerPiece() ? QueueHash(piece, 0, Size(k), k, ec, Sums().kind)
                                               : AppendToStream(piece, 0, Size(k), ec));
        if (!queued && !ec) return Stop();
        if (ec) Report(Problem("无法读取", name, ec));
        CheckPieceHashes();
        ShowProgress(k + 1, Set().Count());
    }
    if (!FinishHashes()) return Stop();
    CheckPieceHashes();
    if (!PerPiece()) {
        const std::optional<bool> matches = StreamMatches();
        if (!matches) return Stop();
        if (!*matches) Report("分割文件的内容与校验文件" + Sums().fileName + "不符,其中有损坏的分割文件!");
    }
    mReporter.SetProgress(0);
    if (!Sound()) return RunOutcome::Refused;
    return Complete({RunKind::Verify, notice::kSetIntact, {}, Set().Count(), mFolder});
}

}  // namespace

RunOutcome NumberedMergeRun(const MergeInput& input, RunReporter& reporter, const RunOptions& options) {
    return NumberedMergeJob(reporter, options).Run(input);
}

RunOutcome NumberedVerifyRun(const MergeInput& input, RunReporter& reporter, const RunOptions& options) {
    return NumberedVerifyJob(reporter, options).Run(input);
}

}  // namespace tirnel
