#include "app/pieceset/SplitRun.h"

#include "app/pieceset/ChunkPlan.h"
#include "app/pieceset/Descriptor.h"
#include "app/pieceset/Notices.h"
#include "app/pieceset/PathText.h"
#include "app/pieceset/PieceSetFormat.h"
#include "app/pieceset/RunJob.h"
#include "app/pieceset/SizeText.h"
#include "app/pieceset/Staging.h"
#include "platform/io/File.h"

#include <optional>

namespace tirnel {

namespace {

namespace fs = std::filesystem;

// True when a file of the set would replace the source itself.
bool SetWouldReplaceSource(const fs::path& source, const fs::path& folder,
                           const std::string& descriptorName, std::int64_t pieceCount) {
    std::error_code ec;
    fs::path real = fs::canonical(source, ec);
    if (ec) return false;
    if (!fs::equivalent(real.parent_path(), folder, ec) || ec) return false;
    const std::string name = TextFromPath(real.filename());
    return name == descriptorName || IsPieceOfSet(name, pieceCount);
}

class SplitJob : public RunJob {
public:
    SplitJob(RunReporter& reporter, std::int64_t chunkSize) : RunJob(reporter, chunkSize) {}

    RunOutcome Run(const SplitInput& input);

private:
    RunOutcome Refuse(const std::string& text) { return RunJob::Refuse(text, false); }
    bool WriteDescriptor(std::string& failure);
    bool StartPiece(std::int64_t number, std::string& failure);
    bool ClosePiece(std::string& failure);
    bool Commit(std::string& failure);
    void RemoveWritten() override;

    std::string mToken = NewStagingToken();
    fs::path mFolder;
    std::string mDescriptorName;
    std::string mDescriptorBytes;
    bool mDescriptorWritten = false;
    std::int64_t mPiecesStarted = 0;
    File mPiece;
};

RunOutcome SplitJob::Run(const SplitInput& input) {
    fs::path sourcePath = PathFromText(input.source);
    if (TrimTrailingSpaces(input.source).empty() || !IsOrdinaryFile(sourcePath)) return Refuse(notice::kNoSource);
    if (TrimTrailingSpaces(input.folder).empty() || !IsFolder(PathFromText(input.folder))) {
        return Refuse(notice::kNoFolder);
    }
    LeadingNumber number = ReadLeadingNumber(input.sizeText);
    if (number.IsBelowOne()) return Refuse(notice::kSizeBelowOne);

    std::error_code ec;
    File source = File::OpenRead(sourcePath, ec);
    const std::int64_t length = ec ? -1 : source.Size(ec);
    if (ec) return Refuse(Problem("无法读取源文件", "", ec));

    std::optional<std::int64_t> pieceSize = SizeInBytes(number, input.megabytes);
    if (!pieceSize) return Refuse(notice::kSizeTooLarge);
    const std::int64_t n = *pieceSize;
    if (length < n) return RunJob::Refuse(notice::kNoNeedToSplit, true);

    const std::string name = FileNameOf(input.source);
    if (name.find_first_of(":\\") != std::string::npos) return Refuse(notice::kNameHasSeparator);
    const std::int64_t count = ChunkCount(length, n, mChunk);
    const std::string payload = MakePayload(input.sizeText, input.megabytes, count);
    std::optional<DecodedPayload> readBack = DecodePayload(UnscrambleText(UnshuffleText(ScrambleText(payload))));
    if (!readBack || readBack->pieceSize != n || readBack->chunkCount != count) return Refuse(notice::kSizeNotNumber);
    std::optional<std::string> descriptor = DescriptorBytes(name, payload);
    if (!descriptor) return Refuse(notice::kNameNotStorable);
    mDescriptorBytes = *descriptor;
    mDescriptorName = DescriptorNameOf(name);
    mFolder = PathFromText(WithBackslash(input.folder));
    if (SetWouldReplaceSource(sourcePath, mFolder, mDescriptorName, PieceCount(length, n))) {
        return Refuse(notice::kSourceIsTarget);
    }

    std::string failure;
    const ChunkPlan plan(length, n, mChunk);
    for (std::int64_t i = 0; i < plan.Count(); ++i) {
        const Chunk chunk = plan.At(i);
        if (chunk.last && !WriteDescriptor(failure)) return Fail(failure);
        if (chunk.startsPiece && !StartPiece(chunk.piece + 1, failure)) return Fail(failure);
        switch (CopyChunk(source, chunk.fileOffset, mPiece, chunk.pieceOffset, chunk.size, ec)) {
        case ChunkResult::Copied: break;
        case ChunkResult::Stopped: return Stop();
        case ChunkResult::Failed: return Fail(Problem("写入", PieceName(chunk.piece + 1), ec));
        case ChunkResult::Short: return Fail(notice::kSourceChanged);
        }
        if (chunk.endsPiece && !ClosePiece(failure)) return Fail(failure);
        if (!ChunkDone(i, plan.Count())) return Stop();
    }
    source.Close(ec);
    if (!ClosePiece(failure) || !Commit(failure)) return Fail(failure);

    return Complete(notice::kSplitDone);
}

bool SplitJob::WriteDescriptor(std::string& failure) {
    const fs::path finalPath = mFolder / PathFromText(mDescriptorName);
    const fs::path staged = StagingPathFor(finalPath, mToken);
    mReporter.FileStarted(finalPath);
    std::error_code ec;
    File file = File::CreateNew(staged, ec);
    if (!ec) {
        mDescriptorWritten = true;
        file.WriteAt(mDescriptorBytes.data(), mDescriptorBytes.size(), 0, ec);
    }
    if (!ec) file.Close(ec);
    if (ec) failure = Problem("无法写入", mDescriptorName, ec);
    return !ec;
}

bool SplitJob::StartPiece(std::int64_t number, std::string& failure) {
    const fs::path finalPath = mFolder / PieceName(number);
    mReporter.FileStarted(finalPath);
    std::error_code ec;
    mPiece = File::CreateNew(StagingPathFor(finalPath, mToken), ec);
    if (ec) {
        failure = Problem("无法创建", PieceName(number), ec);
        return false;
    }
    mPiecesStarted = number;
    return true;
}

bool SplitJob::ClosePiece(std::string& failure) {
    if (!mPiece.IsOpen()) return true;
    std::error_code ec;
    mPiece.Close(ec);
    if (ec) failure = Problem("写入", PieceName(mPiecesStarted), ec);
    return !ec;
}

bool SplitJob::Commit(std::string& failure) {
    // Pieces first, the descriptor last: the set is complete once its descriptor appears.
    std::error_code ec;
    for (std::int64_t number = 1; number <= mPiecesStarted; ++number) {
        const fs::path finalPath = mFolder / PieceName(number);
        CommitStaged(StagingPathFor(finalPath, mToken), finalPath, ec);
        if (ec) {
            // Pieces already moved are part of this run's output too.
            for (std::int64_t done = 1; done < number; ++done) DiscardStaged(mFolder / PieceName(done));
            failure = Problem("无法保存", PieceName(number), ec);
            return false;
        }
    }
    const fs::path descriptor = mFolder / PathFromText(mDescriptorName);
    CommitStaged(StagingPathFor(descriptor, mToken), descriptor, ec);
    if (ec) {
        for (std::int64_t done = 1; done <= mPiecesStarted; ++done) DiscardStaged(mFolder / PieceName(done));
        failure = Problem("无法保存", mDescriptorName, ec);
    }
    return !ec;
}

void SplitJob::RemoveWritten() {
    std::error_code ignored;
    mPiece.Close(ignored);
    for (std::int64_t number = 1; number <= mPiecesStarted; ++number) {
        DiscardStaged(StagingPathFor(mFolder / PieceName(number), mToken));
    }
    if (mDescriptorWritten) DiscardStaged(StagingPathFor(mFolder / PathFromText(mDescriptorName), mToken));
}

}  // namespace

RunOutcome SplitRun(const SplitInput& input, RunReporter& reporter, const RunOptions& options) {
    return SplitJob(reporter, options.chunkSize).Run(input);
}

}  // namespace tirnel
