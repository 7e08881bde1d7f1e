#pragma once
// The split run: cuts the source file into a piece set in the target folder.

#include "pieceset/RunReporter.h"

#include <string>

namespace tirnel {

// What the window holds when "分割" is clicked.
struct SplitInput {
    std::string source;    // the source box
    std::string folder;    // the folder box
    std::string sizeText;  // the size box, as the user left it
    bool megabytes = false;  // "MB" chosen rather than "KB"
    bool checksums = true;   // write NAME.hpe.sha256 beside the descriptor
};

RunOutcome SplitRun(const SplitInput& input, RunReporter& reporter, const RunOptions& options = {});

}  // namespace tirnel
