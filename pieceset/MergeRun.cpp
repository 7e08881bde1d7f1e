#include "pieceset/MergeRun.h"

#include "pieceset/ChunkPlan.h"
#include "pieceset/Descriptor.h"
#include "pieceset/Notices.h"
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

bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

class MergeJob : public RunJob, private StagedOutputs {
public:
    MergeJob(RunReporter& reporter, const RunOptions& options) : RunJob(reporter, options) {}

    RunOutcome Run(const MergeInput& input);

private:
    RunOutcome Refuse(const std::string& text) { return RunJob::Refuse(text, true); }
    // Compares the digests finished so far with the checksum file's; false (with the notice
    // in `failure`) at the first piece that differs or could not be read back.
    bool CheckHashes(std::string& failure);
    std::string WrongLength() const { return "合并出的文件" + mName + "长度不对。"; }
    bool CheckPieces(std::string& failure);
    // True when the piece's file still has the size it had when it was checked (a piece cut
    // or grown while it was read).
    bool ReadWhole(const File& piece, std::int64_t number) const;

    enum class Existing { None, Identical, Different, Unknown };
    // What stands at the rebuilt file's name: nothing, a file with exactly the bytes the set
    // rebuilds (told by its size and, when the set has them, its checksums), or something else.
    // Empty when the caller asked to stop.
    std::optional<Existing> CompareExisting(const fs::path& target, std::int64_t length, std::string& failure);
    // Asks before replacing a file that is not the one the set rebuilds; false when not allowed.
    bool MayReplace(Existing existing);
    std::vector<std::string> RemoveWritten() override;

    // The one output the commit puts in place.
    std::int64_t Count() const override { return 1; }
    OutputName NameOf(std::int64_t) const override { return {mName, "out"}; }
    StagedFile Take(std::int64_t) override { return std::move(mOutput); }
    void Placed(std::int64_t) override { mReporter.Saving(RunKind::Merge, 1, 1); }

    fs::path mFolder;
    StagedFile mOutput;
    SetShape mShape;
    std::int64_t mLastPieceSize = 0;
    std::string mName;
    std::string mDescriptorBytes;
    SetChecksums mChecksums;
    bool mVerified = false;  // the checksum file is this set's: every piece is checked against it
    std::vector<std::string> mNotes;
};

RunOutcome MergeJob::Run(const MergeInput& input) {
    const fs::path descriptorPath = PathFromText(input.descriptor);
    if (TrimTrailingSpaces(input.descriptor).empty() || !IsOrdinaryFile(descriptorPath)) {
        return Refuse(notice::kNoDescriptor);
    }
    if (TrimTrailingSpaces(input.folder).empty() || !IsFolder(PathFromText(input.folder))) {
        return Refuse(notice::kNoFolder);
    }

    // A commit killed in the folder is settled before anything is read: the descriptor may be
    // one it put in place.
    mFolder = PathFromText(WithBackslash(input.folder));
    if (!LockFolder(mFolder, true)) return RunOutcome::Refused;
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
        const std::optional<Existing> existing = CompareExisting(target, length, failure);
        if (!existing) return Stop();
        if (!failure.empty()) return Refuse(failure);
        if (*existing == Existing::Identical) {
            // A repeated merge: the file is there already, byte for byte.
            return Complete({RunKind::Merge, notice::kMergeDone, {"目标文件夹中已有的" + mName + "与这组分割文件的内容相同,没有改动。"},
                             mShape.pieceCount, target});
        }
        if (!MayReplace(*existing)) return Decline(true);
    }

    std::error_code ec;
    mOutput = StagedFile::Create(StagingPath(mFolder, mToken, "out"), mPreferUnnamed, ec);
    if (ec) return Fail(Problem("无法创建", mName, ec));
    File& out = mOutput.Data();

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
    if (!CommitOutputs(*this, mFolder, mToken, true, commit)) return FailCommit(commit);
    return Complete({RunKind::Merge, notice::kMergeDone, mNotes, mShape.pieceCount, target}, commit);
}

std::optional<MergeJob::Existing> MergeJob::CompareExisting(const fs::path& target, std::int64_t length,
                                                            std::string& failure) {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(target, ec);
    if (status.type() == fs::file_type::not_found) return Existing::None;
    // A folder of that name: the commit says so.
    if (status.type() == fs::file_type::directory) return Existing::None;
    if (status.type() != fs::file_type::regular) return Existing::Different;
    File file = File::OpenRead(target, ec);
    const std::int64_t size = ec ? -1 : file.Size(ec);
    if (ec || size != length) return Existing::Different;
    if (!mVerified) return Existing::Unknown;
    // Same size: its pieces' digests against the checksum file's, on the hashing threads.
    for (std::int64_t index = 0; index < mShape.pieceCount; ++index) {
        const std::int64_t start = index * mShape.pieceSize;
        const std::int64_t pieceLength = index + 1 == mShape.pieceCount ? length - start : mShape.pieceSize;
        if (!QueueHash(file, start, pieceLength, index, ec)) return ec ? Existing::Different : std::optional<Existing>();
    }
    if (!FinishHashes()) return std::nullopt;
    bool same = true;
    for (const RangeHasher::HashResult& result : TakeHashes()) {
        Sha256Digest expected;
        if (!mChecksums.Expected(result.index, expected, failure)) return Existing::Different;
        same = same && !result.ec && !result.shortRead && result.digest == expected;
    }
    if (!mChecksums.Rewind(failure)) return Existing::Different;
    return same ? Existing::Identical : Existing::Different;
}

bool MergeJob::MayReplace(Existing existing) {
    if (existing == Existing::None) return true;
    const std::string what = existing == Existing::Different ? ",内容与这组分割文件合并出的不同" : "";
    return Ask(QuestionKind::ReplaceFile, "目标文件夹中已有文件" + mName + what + "。继续合并会用合并出的文件替换它。");
}

bool MergeJob::CheckHashes(std::string& failure) {
    for (const RangeHasher::HashResult& result : TakeHashes()) {
        const std::string name = PieceName(result.index + 1);
        if (result.ec || result.shortRead) {
            failure = result.ec ? Problem("读取", mName, result.ec) : WrongLength();
            return false;
        }
        Sha256Digest expected;
        if (!mChecksums.Expected(result.index, expected, failure)) return false;
        if (result.digest != expected) {
            failure = DamagedPieceNotice(name);
            return false;
        }
    }
    return true;
}

bool MergeJob::CheckPieces(std::string& failure) {
    for (std::int64_t number = 1; number <= mShape.pieceCount; ++number) {
        const std::string name = PieceName(number);
        std::error_code ec;
        const fs::path path = mFolder / name;
        if (!IsOrdinaryFile(path)) {
            failure = "找不到分割文件" + name + ",无法合并!";
            return false;
        }
        const std::uintmax_t rawSize = fs::file_size(path, ec);
        const std::int64_t size = static_cast<std::int64_t>(rawSize);
        if (ec || rawSize > static_cast<std::uintmax_t>(mShape.pieceSize) || !mShape.FitsPiece(number, size)) {
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

std::vector<std::string> MergeJob::RemoveWritten() {
    if (mOutput.Discard()) return {};
    return {TextFromPath(mOutput.StagingPath().filename())};
}

}  // namespace

RunOutcome MergeRun(const MergeInput& input, RunReporter& reporter, const RunOptions& options) {
    return MergeJob(reporter, options).Run(input);
}

}  // namespace tirnel
