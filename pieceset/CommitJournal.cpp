#include "pieceset/CommitJournal.h"

#include "pieceset/Descriptor.h"
#include "pieceset/NameEscape.h"
#include "pieceset/PathText.h"
#include "pieceset/StagingNames.h"
#include "platform/io/LineReader.h"

#include <chrono>
#include <functional>
#include <future>
#include <optional>

namespace tirnel {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kHeader = "tirnel-journal 1";
constexpr std::string_view kEnd = "end";
constexpr std::string_view kDone = "done";
constexpr std::size_t kPendingLimit = 64 * 1024;
// A slot, two marks and a name of 255 bytes with every byte escaped fit well within this.
constexpr std::size_t kMaxLine = 1024;

// "<p|r><e|-> <slot> <escaped name>"
std::string StepLine(const JournalStep& step) {
    std::string line;
    line += step.remove ? 'r' : 'p';
    line += step.existed ? 'e' : '-';
    return line + " " + step.slot + " " + EscapeName(step.finalName) + "\n";
}

std::optional<JournalStep> ReadStep(std::string_view line) {
    if (line.size() < 5 || line[2] != ' ') return std::nullopt;
    if ((line[0] != 'p' && line[0] != 'r') || (line[1] != 'e' && line[1] != '-')) return std::nullopt;
    const std::size_t space = line.find(' ', 3);
    if (space == std::string_view::npos || space == 3) return std::nullopt;
    std::optional<std::string> name = UnescapeName(line.substr(space + 1));
    if (!name || !IsPlainFileName(*name)) return std::nullopt;
    return JournalStep{std::string(line.substr(3, space - 3)), std::move(*name), line[0] == 'r', line[1] == 'e'};
}

bool Exists(const fs::path& path) {
    std::error_code ec;
    return fs::symlink_status(path, ec).type() != fs::file_type::not_found && !ec;
}

// What a journal holds, read in one pass without keeping its steps.
struct JournalState {
    bool readable = false;  // a header and well-formed lines
    bool sealed = false;    // the list is complete: renames may have happened
    bool done = false;      // every output was in place
};

// Calls `step` for each step of the journal (when given) and says what state it is in.
JournalState ReadJournal(const fs::path& path, const std::function<void(const JournalStep&)>& step) {
    JournalState state;
    std::error_code ec;
    File file = File::OpenRead(path, ec);
    if (ec) return state;
    LineReader reader(std::move(file), kMaxLine);
    std::string_view line;
    if (reader.Next(line, ec) != LineReader::Status::Line || line != kHeader) return state;
    while (reader.Next(line, ec) == LineReader::Status::Line) {
        if (state.sealed) {
            if (line != kDone) return state;
            state.done = true;
            continue;
        }
        if (line == kEnd) {
            state.sealed = true;
            continue;
        }
        std::optional<JournalStep> read = ReadStep(line);
        if (!read) return state;
        if (step) step(*read);
    }
    state.readable = !ec;
    return state;
}

// Puts back what stood at one step's name before the commit. What the step did is read off the
// folder: the replaced file is kept at the aside exactly when the step got that far; it is
// still at the final name too when the step had only given it its second name.
void WalkBackStep(const fs::path& folder, std::string_view token, const JournalStep& step, CommitLeftovers& left) {
    const fs::path target = folder / PathFromText(step.finalName);
    const std::string asideName = AsideName(token, step.slot);
    const fs::path aside = folder / PathFromText(asideName);
    std::error_code ec;
    if (Exists(aside)) {
        if (Exists(target) && fs::equivalent(aside, target, ec) && !ec) {
            fs::remove(aside, ec);
            if (ec) left.hidden.push_back(asideName);
            return;
        }
        fs::rename(aside, target, ec);
        if (ec) {
            left.notRestored.push_back(step.finalName);
            left.hidden.push_back(asideName);
        }
        return;
    }
    // Nothing stood there: whatever stands there now is the commit's.
    if (!step.existed && !step.remove && Exists(target)) {
        fs::remove(target, ec);
        if (ec) left.notRestored.push_back(step.finalName);
    }
}

void FinishStep(const fs::path& folder, std::string_view token, const JournalStep& step, CommitLeftovers& left) {
    const std::string asideName = AsideName(token, step.slot);
    const fs::path aside = folder / PathFromText(asideName);
    std::error_code ec;
    if (Exists(aside) && !fs::remove(aside, ec)) left.hidden.push_back(asideName);
}

using StepAction = void (*)(const fs::path&, std::string_view, const JournalStep&, CommitLeftovers&);

CommitLeftovers Settle(const fs::path& path, std::optional<StepAction> forced, const SettleBreath& breathe) {
    CommitLeftovers left;
    const fs::path folder = path.parent_path();
    const std::string journalName = TextFromPath(path.filename());
    const std::string token = TokenOfJournal(journalName);
    const JournalState state = ReadJournal(path, nullptr);
    std::error_code ec;
    if (!state.readable) {
        left.hidden.push_back(journalName);
        return left;
    }
    // A journal cut off before its end was never followed: no rename happened.
    if (state.sealed || forced) {
        const StepAction action = forced ? *forced : state.done ? FinishStep : WalkBackStep;
        ReadJournal(path, [&](const JournalStep& step) {
            action(folder, token, step, left);
            if (breathe) breathe();
        });
    }
    if (left.Empty()) {
        fs::remove(path, ec);
        if (ec) left.hidden.push_back(journalName);
    } else {
        left.hidden.push_back(journalName);
    }
    return left;
}

// A flush takes as long as the disk wants: it runs on another thread while the caller breathes.
void WhileBreathing(const std::function<void()>& work, const SettleBreath& breathe) {
    if (!breathe) return work();
    std::future<void> done = std::async(std::launch::async, work);
    while (done.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) breathe();
    done.get();
}

}  // namespace

void CommitLeftovers::Add(const CommitLeftovers& other) {
    notRestored.insert(notRestored.end(), other.notRestored.begin(), other.notRestored.end());
    hidden.insert(hidden.end(), other.hidden.begin(), other.hidden.end());
}

CommitJournal CommitJournal::Create(const fs::path& folder, std::string_view token, std::error_code& ec) {
    CommitJournal journal;
    journal.mPath = folder / PathFromText(JournalName(token));
    journal.mFile = File::CreateNew(journal.mPath, ec);
    if (!ec) journal.Write(std::string(kHeader) + "\n", ec);
    return journal;
}

void CommitJournal::Write(std::string_view text, std::error_code& ec) {
    ec.clear();
    mPending += text;
    if (mPending.size() >= kPendingLimit) Flush(ec);
}

void CommitJournal::Flush(std::error_code& ec) {
    mFile.WriteAt(mPending.data(), mPending.size(), mWritten, ec);
    if (ec) return;
    mWritten += static_cast<std::int64_t>(mPending.size());
    mPending.clear();
}

void CommitJournal::Add(const JournalStep& step, std::error_code& ec) { Write(StepLine(step), ec); }

void CommitJournal::Seal(bool flush, const SettleBreath& breathe, std::error_code& ec) {
    mFlush = flush;
    Write(std::string(kEnd) + "\n", ec);
    if (!ec) Flush(ec);
    if (ec || !mFlush) return;
    WhileBreathing([&] {
        mFile.Sync(ec);
        if (!ec) SyncFolder(mPath.parent_path(), ec);
    }, breathe);
}

void CommitJournal::MarkDone(const SettleBreath& breathe, std::error_code& ec) {
    Write(std::string(kDone) + "\n", ec);
    if (!ec) Flush(ec);
    if (!ec && mFlush) WhileBreathing([&] { mFile.Sync(ec); }, breathe);
    std::error_code ignored;
    mFile.Close(ignored);
}

CommitLeftovers WalkBackCommit(const fs::path& path, const SettleBreath& breathe) {
    return Settle(path, WalkBackStep, breathe);
}

CommitLeftovers FinishCommit(const fs::path& path, const SettleBreath& breathe) {
    return Settle(path, FinishStep, breathe);
}

CommitLeftovers SettleInterruptedCommits(const std::vector<fs::path>& journals) {
    CommitLeftovers left;
    for (const fs::path& journal : journals) left.Add(Settle(journal, std::nullopt, {}));
    return left;
}

}  // namespace tirnel
