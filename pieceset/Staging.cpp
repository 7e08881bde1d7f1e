#include "pieceset/Staging.h"

#include "pieceset/PathText.h"
#include "platform/io/FaultPoint.h"

namespace tirnel {

namespace fs = std::filesystem;

CommitLeftovers SettleKilledRuns(const fs::path& folder, std::error_code& ec) {
    std::vector<fs::path> journals, staged;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = TextFromPath(it->path().filename());
        if (!TokenOfJournal(name).empty()) journals.push_back(it->path());
        else if (IsStagingName(name)) staged.push_back(it->path());
    }
    if (ec) return {};
    const CommitLeftovers left = SettleInterruptedCommits(journals);
    if (!left.Empty()) return left;
    for (const fs::path& path : staged) {
        std::error_code linkError;
        // A file moved aside is a second name of one still in place only while it has two
        // links; one that was moved aside by rename is the only copy left, and stays. (One that
        // settling a journal has put back is gone: its count is an error, and removing it does
        // nothing.)
        if (IsAsideName(TextFromPath(path.filename())) && fs::hard_link_count(path, linkError) < 2) continue;
        std::error_code ignored;
        fs::remove(path, ignored);
    }
    return left;
}

namespace {

bool Exists(const fs::path& path, fs::file_status& status) {
    std::error_code ec;
    status = fs::symlink_status(path, ec);
    return !ec && status.type() != fs::file_type::not_found;
}

bool Exists(const fs::path& path) {
    fs::file_status status;
    return Exists(path, status);
}

// One output on its way into place.
struct CommitStep {
    fs::path target;
    fs::path aside;  // where the file it replaces is kept meanwhile
};

CommitStep StepFor(const fs::path& folder, std::string_view token, const OutputName& name) {
    return {folder / PathFromText(name.finalName), folder / PathFromText(AsideName(token, name.slot))};
}

bool PutInPlace(StagedFile& file, const CommitStep& step, bool flush, bool& replaced, std::error_code& ec) {
    fs::file_status status;
    if (Exists(step.target, status)) {
        if (status.type() == fs::file_type::directory) {
            ec = std::make_error_code(std::errc::is_a_directory);
            return false;
        }
        replaced = true;
        if (flush) file.Sync(ec);
        if (ec) return false;
        // A second name keeps the old file at its own name until the new one replaces it in
        // one step; file systems without links get it moved aside instead.
        fs::create_hard_link(step.target, step.aside, ec);
        if (ec) {
            fs::rename(step.target, step.aside, ec);
            if (ec) return false;
        }
    }
    file.CommitTo(step.target, ec);
    return !ec;
}

// Moves what stands at the name aside, to be deleted once the whole commit has succeeded.
bool RemoveInCommit(const CommitStep& step, bool& replaced, std::error_code& ec) {
    if (!Exists(step.target)) return true;
    replaced = true;
    fs::rename(step.target, step.aside, ec);
    return !ec;
}

// Writes down every step before the first rename.
bool WriteJournal(StagedOutputs& outputs, const fs::path& folder, std::string_view token, CommitJournal& journal,
                  std::error_code& ec) {
    journal = CommitJournal::Create(folder, token, ec);
    bool replaces = false;
    for (std::int64_t i = 0; !ec && i < outputs.Count(); ++i) {
        const OutputName name = outputs.NameOf(i);
        const bool existed = Exists(StepFor(folder, token, name).target);
        replaces = replaces || existed;
        journal.Add({name.slot, name.finalName, name.remove, existed}, ec);
        outputs.Breathe();
    }
    if (!ec) journal.Seal(replaces, [&] { outputs.Breathe(); }, ec);
    if (!ec) return true;
    std::error_code ignored;
    fs::remove(journal.Path(), ignored);
    return false;
}

// Puts output i in place; false with `ec` when it could not be.
bool CommitOne(StagedOutputs& outputs, std::int64_t i, const OutputName& name, const CommitStep& step, bool flush,
               bool& replaced, std::error_code& ec, CommitLeftovers& left) {
    if (name.remove) return RemoveInCommit(step, replaced, ec);
    StagedFile file = outputs.Take(i);
    if (PutInPlace(file, step, flush, replaced, ec)) return true;
    if (!file.Discard()) left.hidden.push_back(TextFromPath(file.StagingPath().filename()));
    return false;
}

}  // namespace

bool CommitOutputs(StagedOutputs& outputs, const fs::path& folder, std::string_view token, bool flushReplaced,
                   CommitReport& report) {
    CommitJournal journal;
    if (!WriteJournal(outputs, folder, token, journal, report.ec)) return false;
    FaultPoint("commit-sealed");

    bool replaced = false;
    const std::int64_t count = outputs.Count();
    for (std::int64_t i = 0; i < count; ++i) {
        const OutputName name = outputs.NameOf(i);
        if (!CommitOne(outputs, i, name, StepFor(folder, token, name), flushReplaced, replaced, report.ec, report.left)) {
            report.name = name.finalName;
            report.left.Add(WalkBackCommit(journal.Path(), [&] { outputs.Breathe(); }));
            return false;
        }
        FaultPoint("commit-step");
        outputs.Placed(i);
    }
    journal.MarkDone([&] { outputs.Breathe(); }, report.ec);
    if (report.ec) {
        report.left.Add(WalkBackCommit(journal.Path(), [&] { outputs.Breathe(); }));
        return false;
    }
    FaultPoint("commit-done");
    report.left = FinishCommit(journal.Path(), [&] { outputs.Breathe(); });
    std::error_code ec;
    if (replaced && flushReplaced) SyncFolder(folder, ec);
    return true;
}

}  // namespace tirnel
