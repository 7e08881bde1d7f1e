#include "pieceset/RunJob.h"

#include "pieceset/FailureText.h"
#include "pieceset/Notices.h"
#include "pieceset/PathText.h"
#include "pieceset/PieceSetFormat.h"
#include "pieceset/SetChecksums.h"

namespace tirnel {

RunOutcome RunJob::Refuse(const std::string& text, bool resetBar) {
    mReporter.ShowNotice(text);
    if (resetBar) mReporter.SetProgress(0);
    return RunOutcome::Refused;
}

RunOutcome RunJob::Decline(bool resetBar) {
    if (resetBar) mReporter.SetProgress(0);
    return RunOutcome::Refused;
}

std::string RunJob::UnreadableFolder(const std::error_code& ec) {
    return std::string(notice::kFolderUnreadable) + ":" + FailureReason(ec) + "," + notice::kFolderUnreadableEnd;
}

std::string RunJob::NameList(const char* lead, const std::vector<std::string>& names) {
    std::string text = lead;
    for (std::size_t i = 0; i < names.size(); ++i) text += (i ? "、" : "") + names[i];
    return text + "。";
}

std::string RunJob::LeftoversText(const std::vector<std::string>& hiddenLeft) {
    std::vector<std::string> left = RemoveWritten();
    left.insert(left.end(), hiddenLeft.begin(), hiddenLeft.end());
    return left.empty() ? "" : NameList(notice::kNotRemoved, left);
}

RunOutcome RunJob::Fail(const std::string& text, const std::vector<std::string>& hiddenLeft) {
    const std::string left = LeftoversText(hiddenLeft);
    mReporter.ShowNotice(text + (left.empty() ? std::string(notice::kRemovedWritten) : left));
    mReporter.SetProgress(0);
    return RunOutcome::Failed;
}

RunOutcome RunJob::FailCommit(const CommitReport& report) {
    std::string text = report.name.empty() ? "无法保存:" + FailureReason(report.ec) + "。"
                                           : Problem("无法保存", report.name, report.ec);
    if (!report.left.notRestored.empty()) text += NameList(notice::kNotRestored, report.left.notRestored);
    return Fail(text, report.left.hidden);
}

RunOutcome RunJob::Stop() {
    // A stop is quiet unless something it wrote could not be removed.
    const std::string left = LeftoversText({});
    if (!left.empty()) mReporter.ShowNotice(left);
    mReporter.SetProgress(0);
    return RunOutcome::Stopped;
}

bool RunJob::LockFolder(const std::filesystem::path& folder, bool resetBar, bool writes) {
    mLock = FolderLock::Take(folder);
    switch (mLock.GetState()) {
    case FolderLock::State::Busy:
        Refuse(notice::kFolderBusy, resetBar);
        return false;
    case FolderLock::State::Unavailable:
        Refuse(UnreadableFolder(mLock.Error()), resetBar);
        return false;
    case FolderLock::State::Unsupported:
        // Nothing tells a live run's files from a dead one's: they are all left alone.
        if (!writes || Ask(QuestionKind::FolderWithoutLock, notice::kFolderWithoutLock)) return true;
        Decline(resetBar);
        return false;
    case FolderLock::State::Held:
        break;
    }
    std::error_code ec;
    const CommitLeftovers left = SettleKilledRuns(folder, ec);
    if (ec) {
        Refuse(UnreadableFolder(ec), resetBar);
        return false;
    }
    if (!left.Empty()) {
        std::vector<std::string> names = left.notRestored;
        names.insert(names.end(), left.hidden.begin(), left.hidden.end());
        Refuse(NameList(notice::kUnsettledCommit, names), resetBar);
        return false;
    }
    return true;
}

std::optional<std::filesystem::path> RunJob::LockInputFolder(const MergeInput& input, bool writes) {
    if (TrimTrailingSpaces(input.descriptor).empty() || !IsOrdinaryFile(PathFromText(input.descriptor))) {
        Refuse(notice::kNoDescriptor, true);
        return std::nullopt;
    }
    if (TrimTrailingSpaces(input.folder).empty() || !IsFolder(PathFromText(input.folder))) {
        Refuse(notice::kNoFolder, true);
        return std::nullopt;
    }
    std::filesystem::path folder = PathFromText(WithBackslash(input.folder));
    if (!LockFolder(folder, true, writes)) return std::nullopt;
    return folder;
}

RunOutcome RunJob::Complete(Completion completion, const CommitReport& commit) {
    if (!commit.left.hidden.empty()) completion.notes.push_back(NameList(notice::kOldCopiesLeft, commit.left.hidden));
    mReporter.ShowCompletion(completion);
    mReporter.SetProgress(0);
    return RunOutcome::Completed;
}

bool RunJob::KeepGoing() {
    mReporter.DoEvents();
    return !mReporter.StopRequested();
}

void RunJob::ShowProgress(std::int64_t done, std::int64_t total) {
    // The bar is told only what changes it: at most 101 times a run, however many pieces.
    const int percent = RoundedPercent(done, total);
    if (percent != mShownPercent) mReporter.SetProgress(percent);
    mShownPercent = percent;
}

bool RunJob::ChunkDone(std::int64_t i, std::int64_t count) {
    if (!KeepGoing()) return false;
    ShowProgress(i + 1, count);
    return true;
}

bool RunJob::Await(const std::function<bool(std::chrono::milliseconds)>& wait) {
    // How long one wait lasts before the caller breathes again.
    constexpr std::chrono::milliseconds kStep{20};
    while (!wait(kStep)) {
        if (!KeepGoing()) return false;
    }
    return true;
}

bool RunJob::QueueHash(const File& file, std::int64_t offset, std::int64_t length, std::int64_t index,
                       std::error_code& ec, HashKind kind) {
    ec.clear();
    if (!mHasher) mHasher = std::make_unique<RangeHasher>();
    if (!Await([this](std::chrono::milliseconds wait) { return mHasher->WaitForRoom(wait); })) return false;
    return mHasher->Submit(file, offset, length, index, ec, kind);
}

bool RunJob::FinishHashes() {
    return !mHasher || Await([this](std::chrono::milliseconds wait) { return mHasher->WaitIdle(wait); });
}

std::vector<RangeHasher::HashResult> RunJob::TakeHashes() {
    return mHasher ? mHasher->TakeResults() : std::vector<RangeHasher::HashResult>{};
}

void RunJob::ReportBadPieces(const PieceNameOf& nameOf, const ExpectedDigest& expected) {
    for (const RangeHasher::HashResult& result : TakeHashes()) {
        const std::string name = nameOf(result.index);
        DigestBytes digest{};
        std::string failure;
        if (!expected(result.index, digest, failure)) Report(failure);
        else if (result.ec) Report(Problem("无法读取", name, result.ec));
        else if (result.shortRead) Report("分割文件" + name + "的大小不对!");
        else if (result.digest != digest) Report(DamagedPieceNotice(name));
    }
}

bool RunJob::CheckMergedPieces(const PieceNameOf& nameOf, const ExpectedDigest& expected, const std::string& output,
                               const std::string& wrongLength, std::string& failure) {
    for (const RangeHasher::HashResult& result : TakeHashes()) {
        if (result.ec || result.shortRead) {
            failure = result.ec ? Problem("读取", output, result.ec) : wrongLength;
            return false;
        }
        DigestBytes digest{};
        if (!expected(result.index, digest, failure)) return false;
        if (result.digest != digest) {
            failure = DamagedPieceNotice(nameOf(result.index));
            return false;
        }
    }
    return true;
}

RunJob::ChunkResult RunJob::CopyChunk(File& from, std::int64_t fromOffset, File& to, std::int64_t toOffset,
                                      std::int64_t size, std::error_code& ec) {
    bool stopped = false;
    std::int64_t copied = CopyRange(from, fromOffset, to, toOffset, size, ec, [&](std::int64_t) {
        stopped = !KeepGoing();
        return !stopped;
    });
    if (stopped) return ChunkResult::Stopped;
    if (ec) return ChunkResult::Failed;
    return copied < size ? ChunkResult::Short : ChunkResult::Copied;
}

std::optional<RunJob::Existing> RunJob::CompareExisting(const std::filesystem::path& target, std::int64_t length,
                                                        const ExpectedRanges* ranges, std::string& failure) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(target, ec);
    if (status.type() == fs::file_type::not_found || status.type() == fs::file_type::directory) return Existing::None;
    if (status.type() != fs::file_type::regular) return Existing::Different;
    File file = File::OpenRead(target, ec);
    const std::int64_t size = ec ? -1 : file.Size(ec);
    if (ec || size != length) return Existing::Different;
    if (!ranges) return Existing::Unknown;
    for (std::int64_t index = 0; index < ranges->count; ++index) {
        const auto [offset, rangeLength] = ranges->range(index);
        if (!QueueHash(file, offset, rangeLength, index, ec, ranges->kind)) {
            return ec ? Existing::Different : std::optional<Existing>();
        }
    }
    if (!FinishHashes()) return std::nullopt;
    bool same = true;
    for (const RangeHasher::HashResult& result : TakeHashes()) {
        DigestBytes expected{};
        if (!ranges->expected(result.index, expected, failure)) return Existing::Different;
        same = same && !result.ec && !result.shortRead && result.digest == expected;
    }
    return same ? Existing::Identical : Existing::Different;
}

bool RunJob::MayReplaceFile(const std::string& name, Existing existing) {
    if (existing == Existing::None) return true;
    const std::string what = existing == Existing::Different ? ",内容与这组分割文件合并出的不同" : "";
    return Ask(QuestionKind::ReplaceFile, "目标文件夹中已有文件" + name + what + "。继续合并会用合并出的文件替换它。");
}

RunOutcome RunJob::CompleteUnchanged(const std::string& name, std::int64_t pieceCount,
                                     const std::filesystem::path& target) {
    return Complete({RunKind::Merge, notice::kMergeDone,
                     {"目标文件夹中已有的" + name + "与这组分割文件的内容相同,没有改动。"}, pieceCount, target});
}

std::string RunJob::Problem(const std::string& what, const std::string& name, const std::error_code& ec) {
    return what + name + ":" + FailureReason(ec) + "。";
}

}  // namespace tirnel
