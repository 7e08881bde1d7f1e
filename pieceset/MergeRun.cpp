#include "pieceset/MergeRun.h"

#include "pieceset/ChunkPlan.h"
#include "pieceset/Descriptor.h"
#include "pieceset/MergeOutput.h"
#include "pieceset/Notices.h"
#include "pieceset/NumberedMergeRun.h"
#include "pieceset/PathText.h"
#include "pieceset/PieceSetFormat.h"
#include "pieceset/RunJob.h"
#include "pieceset/SetChecksums.h"
#include "pieceset/Staging.h"
#include "platform/io/File.h"

#include <optional>

namespace tirnel {

namespace {

namespace fs = std::filesystem;


class MergeJob : public RunJob {
public:
    MergeJob(RunReporter& reporter, const RunOptions& options) : RunJob(reporter, options) {}

    RunOutcome Run(const MergeInput& input);

private:
    RunOutcome Refuse(const std::string& text) { return RunJob::Refuse(text, true); }
    // The digest the checksum file gives piece i.
    ExpectedDigest Expected() {
        return [this](std::int64_t i, DigestBytes& digest, std::string& failure) {
            return mChecksums.Expected(i, digest, failure);
        };
    }
    bool CheckHashes(std::string& failure) {
        return CheckMergedPieces([](std::int64_t i) { return PieceName(i + 1); }, Expected(), mName, WrongLength(), failure);
    }
    std::string WrongLength() const { return "合并出的文件" + mName + "长度不对。"; }
    bool CheckPieces(std::string& failure);
    // True when the piece's file still has the size it had when it was checked (a piece cut
    // or grown while it was read).
    bool ReadWhole(const File& piece, std::int64_t number) const;

    // The pieces' ranges of the rebuilt file and their digests, for comparing a file with it.
    ExpectedRanges PieceRanges(std::int64_t length);
    std::vector<std::string> RemoveWritten() override { return mOutput.Discard(); }

    fs::path mFolder;
    MergeOutput mOutput{mReporter};
    SetShape mShape;
    std::int64_t mLastPieceSize = 0;
    std::string mName;
    std::string mDescriptorBytes;
    SetChecksums mChecksums;
    bool mVerified = false;  // the checksum file is this set's: every piece is checked against it
    std::vector<std::string> mNotes;
};

RunOutcome MergeJob::Run(const MergeInput& input) {
    // A commit killed in the folder is settled before anything is read: the descriptor may be
    // one it put in place.
    std::optional<fs::path> folder = LockInputFolder(input, true);
    if (!folder) return RunOutcome::Refused;
    mFolder = std::move(*folder);
    const fs::path descriptorPath = PathFromText(input.descriptor);
    std::string failure;
    std::optional<DescribedSet> set = ReadDescriptorFile(descriptorPath, mDescriptorBytes, failure, mChunk);
    if (!set) return Refuse(failure);
    mName = set->name;
    mShape = set->shape;

    if (!CheckPieces(failure)) return Refuse(failure);
    if (IsPieceOfSet(mName, mShape.pieceCount)) return Refuse(notice::kOutputIsPiece);
    switch (mChecksums.Load(descriptorPath, mDescriptorBytes, mShape.pieceCount, "无法合并!", failure)) {
    case ChecksumsFound::Bad: return Refuse(failure);
    case ChecksumsFound::Foreign: mNotes.push_back(notice::kUnverifiedForeign); break;
    case ChecksumsFound::Absent: break;
    case ChecksumsFound::Loaded: mVerified = true; break;
    }

    const std::int64_t length = mShape.Length(mLastPieceSize);
    const fs::path target = mFolder / PathFromText(mName);
    // The descriptor is read already; the set's own file may make room for what it describes.
    const bool replacesDescriptor = SameFile(target, descriptorPath);
    if (replacesDescriptor) {
        mNotes.push_back("描述文件" + TextFromPath(descriptorPath.filename()) + "已被合并出的文件替换。");
    } else {
        const ExpectedRanges ranges = PieceRanges(length);
        const std::optional<Existing> existing = CompareExisting(target, length, mVerified ? &ranges : nullptr, failure);
        if (!existing) return Stop();
        if (!failure.empty() || (mVerified && !mChecksums.Rewind(failure))) return Refuse(failure);
        if (*existing == Existing::Identical) return CompleteUnchanged(mName, mShape.pieceCount, target);
        if (!MayReplaceFile(mName, *existing)) return Decline(true);
    }

    std::error_code ec;
    File& out = mOutput.Create(mFolder, mToken, mPreferUnnamed, mName, ec);
    if (ec) return Fail(Problem("无法创建", mName, ec));

    const ChunkPlan plan(length, mShape.pieceSize, mChunk);
    File piece;
    for (std::int64_t i = 0; i < plan.Count(); ++i) {
        const Chunk chunk = plan.At(i);
        const std::string pieceName = PieceName(chunk.piece + 1);
        if (chunk.startsPiece) {
            piece = File::OpenRead(mFolder / pieceName, ec);
            if (ec) return Fail(Problem("无法读取", pieceName, ec));
        }
        const CopySpan span = CopySpanOf(chunk);
        switch (CopyChunk(piece, span.pieceOffset, out, span.fileOffset, span.size, ec)) {
        case ChunkResult::Copied: break;
        case ChunkResult::Stopped: return Stop();
        case ChunkResult::Failed: return Fail(Problem("合并", pieceName, ec));
        case ChunkResult::Short: return Fail("分割文件" + pieceName + "在合并过程中变短了。");
        }
        if (chunk.ClosesPiece()) {
            if (!ReadWhole(piece, chunk.piece + 1)) return Fail("分割文件" + pieceName + "在合并过程中被改动了。");
            piece.Close(ec);
            // What the output holds of this piece is checked, not the piece: that is what is kept.
            if (mVerified && !QueueHash(out, chunk.PieceStart(), chunk.PieceLength(), chunk.piece, ec)) {
                return ec ? Fail(Problem("读取", mName, ec)) : Stop();
            }
        }
        if (!CheckHashes(failure)) return Fail(failure);
        if (!ChunkDone(i, plan.Count())) return Stop();
    }
    if (!FinishHashes()) return Stop();
    if (!CheckHashes(failure)) return Fail(failure);
    // Never call it done unless the file has exactly the length its descriptor implies.
    if (out.Size(ec) != length || ec) {
        return Fail(ec ? Problem("写入", mName, ec) : WrongLength());
    }
    CommitReport commit;
    mReporter.Committing();
    if (!CommitOutputs(mOutput, mFolder, mToken, true, commit)) return FailCommit(commit);
    return Complete({RunKind::Merge, notice::kMergeDone, mNotes, mShape.pieceCount, target}, commit);
}

RunJob::ExpectedRanges MergeJob::PieceRanges(std::int64_t length) {
    return {mShape.pieceCount, HashKind::Sha256,
            [this, length](std::int64_t index) {
                const std::int64_t start = index * mShape.pieceSize;
                return std::pair{start, index + 1 == mShape.pieceCount ? length - start : mShape.pieceSize};
            },
            Expected()};
}

bool MergeJob::CheckPieces(std::string& failure) {
    for (std::int64_t number = 1; number <= mShape.pieceCount; ++number) {
        const std::string name = PieceName(number);
        // One look at each piece: its size can be had only when it is a regular file.
        std::error_code ec;
        const std::uintmax_t rawSize = fs::file_size(mFolder / name, ec);
        if (ec) {
            failure = "找不到分割文件" + name + ",无法合并!";
            return false;
        }
        const std::int64_t size = static_cast<std::int64_t>(rawSize);
        if (rawSize > static_cast<std::uintmax_t>(mShape.pieceSize) || !mShape.FitsPiece(number, size)) {
            failure = "分割文件" + name + "的大小不对,无法合并!";
            return false;
        }
        if (number == mShape.pieceCount) mLastPieceSize = size;
    }
    return true;
}

bool MergeJob::ReadWhole(const File& piece, std::int64_t number) const {
    std::error_code ec;
    const std::int64_t expected = number == mShape.pieceCount ? mLastPieceSize : mShape.pieceSize;
    return piece.Size(ec) == expected && !ec;
}

}  // namespace

RunOutcome MergeRun(const MergeInput& input, RunReporter& reporter, const RunOptions& options) {
    if (IsNumberedInput(input)) return NumberedMergeRun(input, reporter, options);
    return MergeJob(reporter, options).Run(input);
}

}  // namespace tirnel
