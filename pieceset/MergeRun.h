#pragma once
// The merge run: rebuilds the split file from its descriptor and pieces.

#include "pieceset/RunReporter.h"

#include <string>

namespace tirnel {

// What the window holds when "合并" is clicked.
struct MergeInput {
    std::string descriptor;  // the source box: the .hpe file
    std::string folder;      // the folder box: where the pieces are and the file goes
};

RunOutcome MergeRun(const MergeInput& input, RunReporter& reporter, const RunOptions& options = {});

}  // namespace tirnel
