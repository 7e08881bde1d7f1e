#pragma once
// The merge run: rebuilds the split file from its descriptor and pieces.

#include "pieceset/MergeInput.h"
#include "pieceset/RunReporter.h"

namespace tirnel {

// Takes a descriptor (NAME.hpe) or, for the sets other splitters make, one of their numbered
// pieces (NAME.001, …).
RunOutcome MergeRun(const MergeInput& input, RunReporter& reporter, const RunOptions& options = {});

}  // namespace tirnel
