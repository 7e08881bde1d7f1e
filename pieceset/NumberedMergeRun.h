#pragma once
// The merge and the check of the numbered sets other splitters make (movie.mkv.001, …): what
// MergeRun and VerifyRun do when they are handed a numbered piece instead of a descriptor.

#include "pieceset/MergeInput.h"
#include "pieceset/RunReporter.h"

namespace tirnel {

// `input.descriptor` names a piece of the set (its first or any other).
RunOutcome NumberedMergeRun(const MergeInput& input, RunReporter& reporter, const RunOptions& options = {});
RunOutcome NumberedVerifyRun(const MergeInput& input, RunReporter& reporter, const RunOptions& options = {});

}  // namespace tirnel
