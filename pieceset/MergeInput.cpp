#include "pieceset/MergeInput.h"

#include "pieceset/NumberedSet.h"
#include "pieceset/PathText.h"
#include "pieceset/PieceSetFormat.h"

namespace tirnel {

bool IsNumberedInput(const MergeInput& input) {
    const std::string name = FileNameOf(input.descriptor);
    return !HasDescriptorExtension(name) && ParseNumberedName(name).has_value();
}

}  // namespace tirnel
