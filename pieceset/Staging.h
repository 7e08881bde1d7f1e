#pragma once
// Output of a run is staged, unnamed or under hidden names in its folder, and put in place
// only when everything is complete: a run that fails, is stopped or is killed before that leaves
// the folder as it was, and nothing half written ever carries a final name. Putting a whole
// set in place is all or nothing when it fails: what it replaces is kept under a hidden name
// until every file is in place, and walked back otherwise. A run killed while it puts the set
// in place leaves finished files under their final names and what they replaced under
// hidden names, which the next run in the folder keeps rather than removes.

#include "platform/io/StagedFile.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace tirnel {

// A fresh random token that tells this run's staging files apart.
std::string NewStagingToken();

// ".tirnel-<token>-<slot>.part": the hidden name of one staged file of a run, whatever the
// length of its final name. `slot` is short: a piece number, "hpe", "out".
std::string StagingName(std::string_view token, std::string_view slot);
std::filesystem::path StagingPath(const std::filesystem::path& folder, std::string_view token, std::string_view slot);
// True for a name of that pattern, or of the pattern of what a commit moves aside.
bool IsStagingName(std::string_view name);

// Removes what earlier runs that were killed left in `folder`: their staging files, and
// second names of files still in place. Call it only while holding the folder's lock, so no
// live run's files are touched.
void RemoveStaleStaging(const std::filesystem::path& folder);

// Where one output of a run goes, and its slot among the run's staging names.
struct OutputName {
    std::string finalName;
    std::string slot;
    bool remove = false;  // no new file: what stands at the name goes with the commit
};

// What a commit puts in place, output by output, without holding a list of them all: a set
// may have millions of pieces.
class StagedOutputs {
public:
    virtual ~StagedOutputs() = default;
    virtual std::int64_t Count() const = 0;
    virtual OutputName NameOf(std::int64_t i) const = 0;
    // Hands output i over to be put in place; called once for each, in order (not for
    // the names a commit removes).
    virtual StagedFile Take(std::int64_t i) = 0;
    // Output i is in place (or its name removed). Putting thousands of pieces in place takes
    // a while: the run lets its caller handle events here. The commit goes on regardless.
    virtual void Placed(std::int64_t i) { (void)i; }
};

// Why a commit failed: the file that could not be put in place, and the reason.
struct CommitFailure {
    std::string name;
    std::error_code ec;
    std::vector<std::string> notRestored;  // final names left not as they were
};

// Puts every output in place, in order, replacing files of their names; all or nothing.
// With `flushReplaced`, where an output replaces a file its data is flushed to the disk
// before the rename and the folder after, so a crash leaves the old file or the new one,
// never neither (outputs that replace nothing are not flushed: they cost no speed).
// On failure every final name holds what it held before, the outputs not yet put in place
// are still the caller's to discard, and `failure` says why.
bool CommitOutputs(StagedOutputs& outputs, const std::filesystem::path& folder, std::string_view token,
                   bool flushReplaced, CommitFailure& failure);

}  // namespace tirnel
