#pragma once
// Output of a run is staged, unnamed or under hidden names in its folder, and put in place
// only when everything is complete: a run that fails, is stopped or is killed before that leaves
// the folder as it was, and nothing half written ever carries a final name. Putting a whole
// set in place is all or nothing: what it replaces is kept under a hidden name until every
// file is in place, and a journal written before the first rename lets the next run walk back
// (or finish) a commit that a kill interrupted.

#include "pieceset/CommitJournal.h"
#include "pieceset/StagingNames.h"
#include "platform/io/StagedFile.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace tirnel {

// Settles what earlier runs that were killed left in `folder`, in one listing of it: their
// journals first (see SettleInterruptedCommits); then, when all of them are settled, their
// staging files and the second names of files still in place go. Call it only while holding
// the folder's lock, so no live run's files are touched. `ec` is set when the folder could
// not be read.
CommitLeftovers SettleKilledRuns(const std::filesystem::path& folder, std::error_code& ec);

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
    // Called between the steps of removing what the commit replaced, or of walking it back.
    virtual void Breathe() {}
};

// How a commit went. On failure: the output that could not be put in place (empty when the
// journal could not be written) and why, and what walking back could not make right. On
// success: the hidden copies of replaced files that could not be removed (the next run in
// the folder removes them).
struct CommitReport {
    std::string name;
    std::error_code ec;
    CommitLeftovers left;
};

// Puts every output in place, in order, replacing files of their names; all or nothing.
// With `flushReplaced`, where an output replaces a file its data is flushed to the disk
// before the rename and the folder after, so a crash leaves the old file or the new one,
// never neither (outputs that replace nothing are not flushed: they cost no speed).
// On failure every final name holds what it held before (as far as `report.left` does not
// say otherwise) and the outputs not yet put in place are still the caller's to discard.
bool CommitOutputs(StagedOutputs& outputs, const std::filesystem::path& folder, std::string_view token,
                   bool flushReplaced, CommitReport& report);

}  // namespace tirnel
