#include "pieceset/VerifyRun.h"

#include "pieceset/Descriptor.h"
#include "pieceset/Notices.h"
#include "pieceset/NumberedMergeRun.h"
#include "pieceset/PathText.h"
#include "pieceset/PieceSetFormat.h"
#include "pieceset/RunJob.h"
#include "pieceset/SetChecksums.h"

namespace tirnel {

namespace {

namespace fs = std::filesystem;

class VerifyJob : public RunJob {
public:
    VerifyJob(RunReporter& reporter, const RunOptions& options) : RunJob(reporter, options) {}

    RunOutcome Run(const MergeInput& input);

private:
    std::vector<std::string> RemoveWritten() override { return {}; }  // it writes nothing
    void CheckHashes() {
        ReportBadPieces([](std::int64_t i) { return PieceName(i + 1); }, [this](std::int64_t i, DigestBytes& digest, std::string& failure) {
            return mChecksums.Expected(i, digest, failure);
        });
    }

    SetChecksums mChecksums;
};

RunOutcome VerifyJob::Run(const MergeInput& input) {
    // It writes nothing, but it settles what a killed run left in the folder before it looks.
    const std::optional<fs::path> locked = LockInputFolder(input, false);
    if (!locked) return RunOutcome::Refused;
    const fs::path& folder = *locked;
    const fs::path descriptorPath = PathFromText(input.descriptor);
    std::string bytes, failure;
    std::optional<DescribedSet> set = ReadDescriptorFile(descriptorPath, bytes, failure);
    if (!set) return Refuse(failure, true);
    switch (mChecksums.Load(descriptorPath, bytes, set->shape.pieceCount, "无法校验!", failure)) {
    case ChecksumsFound::Bad: return Refuse(failure, true);
    case ChecksumsFound::Foreign: return Refuse(notice::kUnverifiedForeign, true);
    case ChecksumsFound::Absent:
        return Refuse("找不到校验文件" + mChecksums.FileName() + ",只能合并时检查分割文件的大小,无法校验内容!", true);
    case ChecksumsFound::Loaded: break;
    }

    // Every piece is looked at, so that all bad ones are named at once.
    std::error_code ec;
    for (std::int64_t number = 1; number <= set->shape.pieceCount; ++number) {
        const std::string name = PieceName(number);
        const fs::path path = folder / name;
        if (!IsOrdinaryFile(path)) {
            Report("找不到分割文件" + name + "!");
            continue;
        }
        File piece = File::OpenRead(path, ec);
        const std::int64_t size = ec ? -1 : piece.Size(ec);
        if (ec) {
            Report(Problem("无法读取", name, ec));
            continue;
        }
        if (!set->shape.FitsPiece(number, size)) {
            Report("分割文件" + name + "的大小不对!");
            continue;
        }
        if (!QueueHash(piece, 0, size, number - 1, ec)) {
            if (!ec) return Stop();
            Report(Problem("无法读取", name, ec));
        }
        CheckHashes();
        ShowProgress(number, set->shape.pieceCount);
    }
    if (!FinishHashes()) return Stop();
    CheckHashes();
    mReporter.SetProgress(0);
    if (!Sound()) return RunOutcome::Refused;
    return Complete({RunKind::Verify, notice::kSetIntact, {}, set->shape.pieceCount, folder});
}

}  // namespace

RunOutcome VerifyRun(const MergeInput& input, RunReporter& reporter, const RunOptions& options) {
    if (IsNumberedInput(input)) return NumberedVerifyRun(input, reporter, options);
    return VerifyJob(reporter, options).Run(input);
}

}  // namespace tirnel
