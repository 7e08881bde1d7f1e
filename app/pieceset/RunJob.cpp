#include "app/pieceset/RunJob.h"

#include "app/pieceset/FailureText.h"
#include "app/pieceset/Notices.h"
#include "app/pieceset/PieceSetFormat.h"

namespace tirnel {

RunOutcome RunJob::Refuse(const std::string& text, bool resetBar) {
    mReporter.ShowNotice(text);
    if (resetBar) mReporter.SetProgress(0);
    return RunOutcome::Refused;
}

RunOutcome RunJob::Fail(const std::string& text) {
    RemoveWritten();
    mReporter.ShowNotice(text + notice::kRemovedWritten);
    mReporter.SetProgress(0);
    return RunOutcome::Failed;
}

RunOutcome RunJob::Stop() {
    RemoveWritten();
    mReporter.SetProgress(0);
    return RunOutcome::Stopped;
}

RunOutcome RunJob::Complete(const std::string& text) {
    mReporter.ShowNotice(text);
    mReporter.SetProgress(0);
    return RunOutcome::Completed;
}

bool RunJob::KeepGoing() {
    mReporter.DoEvents();
    return !mReporter.StopRequested();
}

bool RunJob::ChunkDone(std::int64_t i, std::int64_t count) {
    if (!KeepGoing()) return false;
    mReporter.SetProgress(RoundedPercent(i + 1, count));
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

std::string RunJob::Problem(const std::string& what, const std::string& name, const std::error_code& ec) {
    return what + name + ":" + FailureReason(ec) + "。";
}

}  // namespace tirnel
