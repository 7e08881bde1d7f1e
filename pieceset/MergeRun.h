#pragma once
// The merge run: rebuilds the split file from its descriptor and pieces.

#include "pieceset/RunReporter.h"

#include <string>

namespace tirnel {

// What the window holds when "合并" is clicked.
struct MergeInput {
    std::string descriptor;  // the source box: the .hpe file, or a numbered piece
    std::string folder;      // the folder box: where the pieces are and the file goes
};

// Takes a descriptor (NAME.hpe) or, for the sets other splitters make, one of their numbered
// pieces (NAME.001, …).
RunOutcome MergeRun(const MergeInput& input, RunReporter& reporter, const RunOptions& options = {});

// True when the input names a numbered piece rather than a descriptor.
bool IsNumberedInput(const MergeInput& input);

}  // namespace tirnel
