#include "app/pieceset/MergeRun.h"

#include "app/pieceset/ChunkPlan.h"
#include "app/pieceset/Descriptor.h"
#include "app/pieceset/Notices.h"
#include "app/pieceset/PathText.h"
#include "app/pieceset/PieceSetFormat.h"
#include "app/pieceset/RunJob.h"
#include "app/pieceset/Staging.h"
#include "platform/io/File.h"

#include <optional>

namespace tirnel {

namespace {

namespace fs = std::filesystem;

class MergeJob : public RunJob {
public:
    MergeJob(RunReporter& reporter, std::int64_t chunkSize) : RunJob(reporter, chunkSize) {}

    RunOutcome Run(const MergeInput& input);

private:
    RunOutcome Refuse(const std::string& text) { return RunJob::Refuse(text, true); }
    std::optional<DescriptorContent> ReadDescriptor(const fs::path& path, std::string& failure);
    bool CheckPieces(std::string& failure);
    bool OutputReplacesInput(const fs::path& descriptor) const;
    void RemoveWritten() override { DiscardStaged(mStaged); }

    fs::path mFolder;
    fs::path mStaged;
    std::int64_t mPieceSize = 0;
    std::int64_t mChunkCount = 0;
    std::int64_t mPieceCount = 0;
    std::int64_t mLastPieceSize = 0;
    std::string mName;
};

RunOutcome MergeJob::Run(const MergeInput& input) {
    const fs::path descriptorPath = PathFromText(input.descriptor);
    if (TrimTrailingSpaces(input.descriptor).empty() || !IsOrdinaryFile(descriptorPath)) {
        return Refuse(notice::kNoDescriptor);
    }
    if (TrimTrailingSpaces(input.folder).empty() || !IsFolder(PathFromText(input.folder))) {
        return Refuse(notice::kNoFolder);
    }

    std::string failure;
    std::optional<DescriptorContent> content = ReadDescriptor(descriptorPath, failure);
    if (!content) return Refuse(failure);
    std::optional<DecodedPayload> payload = DecodePayload(content->payload);
    if (!payload) return Refuse(notice::kBadDescriptor);
    if (!IsPlainFileName(content->name)) return Refuse(notice::kBadStoredName);
    mName = content->name;
    mPieceSize = payload->pieceSize;
    mChunkCount = payload->chunkCount;
    mFolder = PathFromText(WithBackslash(input.folder));

    if (!CheckPieces(failure)) return Refuse(failure);
    if (OutputReplacesInput(descriptorPath)) return Refuse(notice::kOutputIsInput);

    const fs::path output = mFolder / PathFromText(mName);
    mReporter.FileStarted(output);
    mStaged = StagingPathFor(output, NewStagingToken());
    std::error_code ec;
    File out = File::CreateNew(mStaged, ec);
    if (ec) return Fail(Problem("无法创建", mName, ec));

    const ChunkPlan plan((mPieceCount - 1) * mPieceSize + mLastPieceSize, mPieceSize, mChunk);
    File piece;
    for (std::int64_t i = 0; i < plan.Count(); ++i) {
        const Chunk chunk = plan.At(i);
        const std::string pieceName = PieceName(chunk.piece + 1);
        if (chunk.startsPiece) {
            piece = File::OpenRead(mFolder / pieceName, ec);
            if (ec) return Fail(Problem("无法读取", pieceName, ec));
        }
        switch (CopyChunk(piece, chunk.pieceOffset, out, chunk.fileOffset, chunk.size, ec)) {
        case ChunkResult::Copied: break;
        case ChunkResult::Stopped: return Stop();
        case ChunkResult::Failed: return Fail(Problem("合并", pieceName, ec));
        case ChunkResult::Short: return Fail("分割文件" + pieceName + "在合并过程中变短了。");
        }
        if (chunk.endsPiece) piece.Close(ec);
        if (!ChunkDone(i, plan.Count())) return Stop();
    }
    piece.Close(ec);
    out.Close(ec);
    if (ec) return Fail(Problem("写入", mName, ec));
    CommitStaged(mStaged, output, ec);
    if (ec) return Fail(Problem("无法保存", mName, ec));
    return Complete(notice::kMergeDone);
}

std::optional<DescriptorContent> MergeJob::ReadDescriptor(const fs::path& path, std::string& failure) {
    std::error_code ec;
    File file = File::OpenRead(path, ec);
    std::int64_t size = ec ? 0 : file.Size(ec);
    if (ec) {
        failure = Problem("无法读取描述文件", "", ec);
        return std::nullopt;
    }
    if (size > kMaxDescriptorBytes) {
        failure = notice::kBadDescriptor;
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    bytes.resize(file.ReadAt(bytes.data(), bytes.size(), 0, ec));
    if (ec) {
        failure = Problem("无法读取描述文件", "", ec);
        return std::nullopt;
    }
    DescriptorError error;
    std::optional<DescriptorContent> content = ParseDescriptor(bytes, error);
    if (!content) failure = error == DescriptorError::BadName ? notice::kBadStoredName : notice::kBadDescriptor;
    return content;
}

bool MergeJob::CheckPieces(std::string& failure) {
    // The count says how many pieces there are and how many chunks the last one holds;
    // every piece but the last is exactly one piece size long.
    const std::int64_t cpp = ChunksPerPiece(mPieceSize, mChunk);
    mPieceCount = (mChunkCount + cpp - 1) / cpp;
    const std::int64_t lastChunks = mChunkCount - (mPieceCount - 1) * cpp;
    for (std::int64_t number = 1; number <= mPieceCount; ++number) {
        const std::string name = PieceName(number);
        std::error_code ec;
        const fs::path path = mFolder / name;
        if (!IsOrdinaryFile(path)) {
            failure = "找不到分割文件" + name + ",无法合并!";
            return false;
        }
        const std::int64_t size = static_cast<std::int64_t>(fs::file_size(path, ec));
        const bool last = number == mPieceCount;
        const bool fits = !ec && (last ? size >= 1 && size <= mPieceSize && (size + mChunk - 1) / mChunk == lastChunks
                                       : size == mPieceSize);
        if (!fits) {
            failure = "分割文件" + name + "的大小不对,无法合并!";
            return false;
        }
        if (last) mLastPieceSize = size;
    }
    return true;
}

bool MergeJob::OutputReplacesInput(const fs::path& descriptor) const {
    if (IsPieceOfSet(mName, mPieceCount)) return true;
    std::error_code ec;
    return fs::equivalent(mFolder / PathFromText(mName), descriptor, ec) && !ec;
}

}  // namespace

RunOutcome MergeRun(const MergeInput& input, RunReporter& reporter, const RunOptions& options) {
    return MergeJob(reporter, options.chunkSize).Run(input);
}

}  // namespace tirnel
