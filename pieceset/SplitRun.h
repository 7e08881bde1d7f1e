#pragma once
// The split run: cuts the source file into a piece set in the target folder.

#include "pieceset/PieceSize.h"
#include "pieceset/RunReporter.h"

#include <string>

namespace tirnel {

// What the window holds when "分割" is clicked.
struct SplitInput {
    std::string source;    // the source box
    std::string folder;    // the folder box
    PieceSize size;        // the size box and the unit, as the user left them
    bool checksums = true;  // write NAME.hpe.sha256 beside the descriptor
};

RunOutcome SplitRun(const SplitInput& input, RunReporter& reporter, const RunOptions& options = {});

}  // namespace tirnel
