#include "pieceset/OtherSets.h"

#include "pieceset/Descriptor.h"
#include "pieceset/PathText.h"
#include "pieceset/PieceSetFormat.h"

#include <algorithm>

namespace tirnel {

namespace fs = std::filesystem;

std::vector<std::string> OtherSetsIn(const fs::path& folder, const std::string& ownDescriptorName,
                                     std::int64_t chunkSize) {
    std::vector<std::string> others;
    if (!IsOrdinaryFile(folder / PieceName(1))) return others;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = TextFromPath(it->path().filename());
        if (name == ownDescriptorName || !name.ends_with(".hpe") || !IsOrdinaryFile(it->path())) continue;
        std::string bytes, failure;
        if (ReadDescriptorFile(it->path(), bytes, failure, chunkSize)) others.push_back(name);
    }
    std::sort(others.begin(), others.end());
    return others;
}

}  // namespace tirnel
