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
#include "platform/io/ProcessLimits.h"

#include <deque>
#include <optional>
#include <vector>

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
    SplitJob(RunReporter& reporter, const RunOptions& options) : RunJob(reporter, options) {}

    RunOutcome Run(const SplitInput& input);

private:
    RunOutcome Refuse(const std::string& text) { return RunJob::Refuse(text, false); }
    bool WriteDescriptor(std::string& failure);
    bool StartPiece(std::int64_t number, std::string& failure);
    bool EndPiece(std::string& failure);
    std::vector<StagedOutput*> Outputs();
    std::vector<std::string> RemoveWritten() override { return DiscardOutputs(Outputs()); }

    fs::path mFolder;
    std::string mDescriptorName;
    std::string mDescriptorBytes;
    StagedOutput mDescriptor;
    std::deque<StagedOutput> mPieces;
    std::int64_t mOpenPieces = 0;  // unnamed pieces whose handles are kept until the commit
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
    std::optional<DecodedPayload> decoded = DecodePayload(UnscrambleText(UnshuffleText(ScrambleText(payload))));
    if (!decoded || decoded->pieceSize != n || decoded->chunkCount != count) return Refuse(notice::kSizeNotNumber);
    std::optional<std::string> descriptor = DescriptorBytes(name, payload);
    if (!descriptor) return Refuse(notice::kNameNotStorable);
    const std::string readBack = ReadBackFailure(*descriptor, name, n, count, mChunk);
    if (!readBack.empty()) return Refuse(readBack);
    mDescriptorBytes = *descriptor;
    mDescriptorName = DescriptorNameOf(name);
    mFolder = PathFromText(WithBackslash(input.folder));
    if (SetWouldReplaceSource(sourcePath, mFolder, mDescriptorName, PieceCount(length, n))) {
        return Refuse(notice::kSourceIsTarget);
    }
    if (!LockFolder(mFolder)) return RunOutcome::Refused;

    std::string failure;
    const ChunkPlan plan(length, n, mChunk);
    for (std::int64_t i = 0; i < plan.Count(); ++i) {
        const Chunk chunk = plan.At(i);
        if (chunk.last && !WriteDescriptor(failure)) return Fail(failure);
        if (chunk.startsPiece && !StartPiece(chunk.piece + 1, failure)) return Fail(failure);
        switch (CopyChunk(source, chunk.fileOffset, mPieces.back().file.Data(), chunk.pieceOffset, chunk.size, ec)) {
        case ChunkResult::Copied: break;
        case ChunkResult::Stopped: return Stop();
        case ChunkResult::Failed: return Fail(Problem("写入", PieceName(chunk.piece + 1), ec));
        case ChunkResult::Short: return Fail(notice::kSourceChanged);
        }
        if ((chunk.endsPiece || chunk.last) && !EndPiece(failure)) return Fail(failure);
        if (!ChunkDone(i, plan.Count())) return Stop();
    }
    source.Close(ec);
    // Pieces first, the descriptor last: the set is complete once its descriptor appears.
    CommitFailure commitFailure;
    if (!CommitOutputs(Outputs(), mFolder, mToken, commitFailure)) return FailCommit(commitFailure);
    return Complete(notice::kSplitDone);
}

std::vector<StagedOutput*> SplitJob::Outputs() {
    std::vector<StagedOutput*> outputs;
    for (StagedOutput& piece : mPieces) outputs.push_back(&piece);
    if (mDescriptor.file.IsOpen() || mDescriptor.file.IsNamed()) outputs.push_back(&mDescriptor);
    return outputs;
}

bool SplitJob::WriteDescriptor(std::string& failure) {
    mReporter.FileStarted(mFolder / PathFromText(mDescriptorName));
    std::error_code ec;
    mDescriptor = StageOutput(mFolder, mDescriptorName, mToken, "hpe", mPreferUnnamed, ec);
    if (!ec) mDescriptor.file.Data().WriteAt(mDescriptorBytes.data(), mDescriptorBytes.size(), 0, ec);
    if (ec) failure = Problem("无法写入", mDescriptorName, ec);
    return !ec;
}

bool SplitJob::StartPiece(std::int64_t number, std::string& failure) {
    const std::string name = PieceName(number);
    mReporter.FileStarted(mFolder / name);
    std::error_code ec;
    mPieces.push_back(StageOutput(mFolder, name, mToken, std::to_string(number), mPreferUnnamed, ec));
    if (ec) failure = Problem("无法创建", name, ec);
    return !ec;
}

bool SplitJob::EndPiece(std::string& failure) {
    StagedFile& piece = mPieces.back().file;
    // An unnamed piece lives only as long as its handle: keep it open while the process may
    // hold that many files, give it its hidden name beyond that.
    if (!piece.IsNamed() && ++mOpenPieces <= OpenFileAllowance()) return true;
    std::error_code ec;
    piece.Close(ec);
    if (ec) failure = Problem("写入", mPieces.back().displayName, ec);
    return !ec;
}

}  // namespace

RunOutcome SplitRun(const SplitInput& input, RunReporter& reporter, const RunOptions& options) {
    return SplitJob(reporter, options).Run(input);
}

}  // namespace tirnel
