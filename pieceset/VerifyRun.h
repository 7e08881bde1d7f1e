#pragma once
// The check of a set: every piece present, of the right size, and with the bytes its
// checksum file gives, without writing anything.

#include "pieceset/MergeInput.h"
#include "pieceset/RunReporter.h"

namespace tirnel {

// Completed (notice kSetIntact) when every piece is sound; Refused otherwise, with one notice
// for each piece that is missing, of the wrong size or damaged, or one saying why the set
// cannot be checked at all (no descriptor, no checksum file, …).
RunOutcome VerifyRun(const MergeInput& input, RunReporter& reporter, const RunOptions& options = {});

}  // namespace tirnel
