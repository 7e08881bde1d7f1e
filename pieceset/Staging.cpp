#include "pieceset/Staging.h"

#include "pieceset/PathText.h"

#include <cstdio>
#include <random>

namespace tirnel {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = ".tirnel-";
constexpr std::string_view kStagedSuffix = ".part";
constexpr std::string_view kAsideSuffix = ".old";
constexpr std::size_t kTokenLength = 12;

// ".tirnel-<token>-<slot><suffix>": the staged file (".part") or what the commit keeps of
// the file it replaces (".old").
std::string HiddenName(std::string_view token, std::string_view slot, std::string_view suffix) {
    return std::string(kPrefix) + std::string(token) + "-" + std::string(slot) + std::string(suffix);
}

std::string AsideName(std::string_view token, std::string_view slot) { return HiddenName(token, slot, kAsideSuffix); }

bool IsAsideName(std::string_view name) { return IsStagingName(name) && name.ends_with(kAsideSuffix); }

}  // namespace

std::string NewStagingToken() {
    std::random_device device;
    std::uniform_int_distribution<unsigned long long> pick;
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%012llx", pick(device) & 0xFFFFFFFFFFFFULL);
    return buffer;
}

std::string StagingName(std::string_view token, std::string_view slot) {
    return HiddenName(token, slot, kStagedSuffix);
}

fs::path StagingPath(const fs::path& folder, std::string_view token, std::string_view slot) {
    return folder / PathFromText(StagingName(token, slot));
}

bool IsStagingName(std::string_view name) {
    if (!name.starts_with(kPrefix)) return false;
    name.remove_prefix(kPrefix.size());
    if (name.ends_with(kStagedSuffix)) name.remove_suffix(kStagedSuffix.size());
    else if (name.ends_with(kAsideSuffix)) name.remove_suffix(kAsideSuffix.size());
    else return false;
    if (name.size() < kTokenLength + 2 || name[kTokenLength] != '-') return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        const bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
        const bool slot = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z');
        if (i < kTokenLength ? !hex : i > kTokenLength && !slot) return false;
    }
    return true;
}

void RemoveStaleStaging(const fs::path& folder) {
    std::error_code ec;
    std::vector<fs::path> stale;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = TextFromPath(it->path().filename());
        if (!IsStagingName(name)) continue;
        std::error_code linkError;
        // A file moved aside is a second name of one still in place only while it has two
        // links; one that was moved aside by rename is the only copy left, and stays.
        if (IsAsideName(name) && fs::hard_link_count(it->path(), linkError) < 2) continue;
        stale.push_back(it->path());
    }
    for (const fs::path& path : stale) fs::remove(path, ec);
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

// Puts back what stood at the target before (or removes the new file where nothing did).
// What the step did is read off the folder: the kept file is at `aside` exactly when the step
// got that far, and still at the target too when it was kept by a second name. False when
// it could not.
bool WalkBack(const CommitStep& step, bool movedIn) {
    std::error_code ec;
    const bool kept = Exists(step.aside);
    if (movedIn) {
        if (kept) fs::rename(step.aside, step.target, ec);
        else fs::remove(step.target, ec);
    } else if (kept) {
        if (Exists(step.target)) fs::remove(step.aside, ec);
        else fs::rename(step.aside, step.target, ec);
    }
    return !ec;
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

// Output i failed with `ec`: walks it and every output before it back, and says why.
bool Undo(StagedOutputs& outputs, const fs::path& folder, std::string_view token, std::int64_t i,
          const OutputName& name, const std::error_code& ec, CommitFailure& failure) {
    failure.name = name.finalName;
    failure.ec = ec;
    if (!WalkBack(StepFor(folder, token, name), false)) failure.notRestored.push_back(name.finalName);
    for (std::int64_t back = i - 1; back >= 0; --back) {
        const OutputName done = outputs.NameOf(back);
        if (!WalkBack(StepFor(folder, token, done), true)) failure.notRestored.push_back(done.finalName);
    }
    return false;
}

}  // namespace

bool CommitOutputs(StagedOutputs& outputs, const fs::path& folder, std::string_view token, bool flushReplaced,
                   CommitFailure& failure) {
    bool replaced = false;
    const std::int64_t count = outputs.Count();
    for (std::int64_t i = 0; i < count; ++i) {
        const OutputName name = outputs.NameOf(i);
        const CommitStep step = StepFor(folder, token, name);
        std::error_code ec;
        if (name.remove) {
            if (!RemoveInCommit(step, replaced, ec)) return Undo(outputs, folder, token, i, name, ec, failure);
            outputs.Placed(i);
            continue;
        }
        StagedFile file = outputs.Take(i);
        if (PutInPlace(file, step, flushReplaced, replaced, ec)) {
            outputs.Placed(i);
            continue;
        }
        file.Discard();
        return Undo(outputs, folder, token, i, name, ec, failure);
    }
    std::error_code ec;
    if (replaced) {
        for (std::int64_t i = 0; i < count; ++i) fs::remove(StepFor(folder, token, outputs.NameOf(i)).aside, ec);
        if (flushReplaced) SyncFolder(folder, ec);
    }
    return true;
}

}  // namespace tirnel
