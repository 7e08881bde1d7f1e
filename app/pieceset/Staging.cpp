#include "app/pieceset/Staging.h"

#include "app/pieceset/PathText.h"

#include <cstdio>
#include <random>

namespace tirnel {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = ".tirnel-";
constexpr std::string_view kStagedSuffix = ".part";
constexpr std::string_view kAsideSuffix = ".old";
constexpr std::size_t kTokenLength = 12;

// What a file of that name is moved aside to while a commit replaces it.
std::string AsideName(std::string_view token, std::string_view slot) {
    return std::string(kPrefix) + std::string(token) + "-" + std::string(slot) + std::string(kAsideSuffix);
}

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
    return std::string(kPrefix) + std::string(token) + "-" + std::string(slot) + std::string(kStagedSuffix);
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

StagedOutput StageOutput(const fs::path& folder, const std::string& finalName, std::string_view token,
                         std::string_view slot, bool preferUnnamed, std::error_code& ec) {
    StagedOutput output;
    output.finalPath = folder / PathFromText(finalName);
    output.displayName = finalName;
    output.slot = std::string(slot);
    output.file = StagedFile::Create(folder / PathFromText(StagingName(token, slot)), preferUnnamed, ec);
    return output;
}

namespace {

// One output's way into place, as far as it got, so that it can be walked back.
struct CommitStep {
    StagedOutput* output = nullptr;
    fs::path aside;
    bool linkedAside = false;   // the old file has a second name at `aside`
    bool movedAside = false;    // the old file was renamed to `aside`
    bool movedIn = false;       // the new file stands at the final name
};

bool Exists(const fs::path& path, fs::file_status& status) {
    std::error_code ec;
    status = fs::symlink_status(path, ec);
    return !ec && status.type() != fs::file_type::not_found;
}

// Puts the old file back (or removes the new one where there was none); false when it
// could not.
bool WalkBack(const CommitStep& step) {
    std::error_code ec;
    const fs::path& target = step.output->finalPath;
    if (step.movedIn) {
        if (step.linkedAside || step.movedAside) fs::rename(step.aside, target, ec);
        else fs::remove(target, ec);
    } else if (step.movedAside) {
        fs::rename(step.aside, target, ec);
    } else if (step.linkedAside) {
        fs::remove(step.aside, ec);
    }
    return !ec;
}

bool PutInPlace(CommitStep& step, std::string_view token, bool& replaced, std::error_code& ec) {
    StagedOutput& output = *step.output;
    fs::file_status status;
    if (Exists(output.finalPath, status)) {
        if (status.type() == fs::file_type::directory) {
            ec = std::make_error_code(std::errc::is_a_directory);
            return false;
        }
        replaced = true;
        output.file.Sync(ec);
        if (ec) return false;
        // A second name keeps the old file at its own name until the new one replaces it in
        // one step; file systems without links get it moved aside instead.
        step.aside = output.finalPath.parent_path() / PathFromText(AsideName(token, output.slot));
        fs::create_hard_link(output.finalPath, step.aside, ec);
        step.linkedAside = !ec;
        if (!step.linkedAside) {
            fs::rename(output.finalPath, step.aside, ec);
            if (ec) return false;
            step.movedAside = true;
        }
    }
    output.file.CommitTo(output.finalPath, ec);
    step.movedIn = !ec;
    return step.movedIn;
}

}  // namespace

bool CommitOutputs(std::vector<StagedOutput*> outputs, const fs::path& folder, std::string_view token,
                   CommitFailure& failure) {
    std::vector<CommitStep> steps;
    steps.reserve(outputs.size());
    bool replaced = false;
    for (StagedOutput* output : outputs) {
        steps.emplace_back().output = output;
        std::error_code ec;
        if (PutInPlace(steps.back(), token, replaced, ec)) continue;
        failure.name = output->displayName;
        failure.ec = ec;
        for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
            if (!WalkBack(*step)) failure.notRestored.push_back(step->output->displayName);
        }
        return false;
    }
    std::error_code ec;
    for (const CommitStep& step : steps) {
        if (step.linkedAside || step.movedAside) fs::remove(step.aside, ec);
    }
    if (replaced) SyncFolder(folder, ec);
    return true;
}

std::vector<std::string> DiscardOutputs(const std::vector<StagedOutput*>& outputs) {
    std::vector<std::string> left;
    for (StagedOutput* output : outputs) {
        if (!output->file.Discard()) left.push_back(TextFromPath(output->file.StagingPath().filename()));
    }
    return left;
}

}  // namespace tirnel
