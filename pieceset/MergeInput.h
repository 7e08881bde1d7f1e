#pragma once
// What a merge or a check is handed: the set's descriptor or one of its numbered pieces, and
// the folder of the pieces.

#include <string>

namespace tirnel {

// What the window holds when "合并" is clicked.
struct MergeInput {
    std::string descriptor;  // the source box: the .hpe file, or a numbered piece
    std::string folder;      // the folder box: where the pieces are and the file goes
};

// True when the input names a numbered piece (NAME.001, …) rather than a descriptor.
bool IsNumberedInput(const MergeInput& input);

}  // namespace tirnel
