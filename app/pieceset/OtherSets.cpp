#include "app/pieceset/OtherSets.h"

#include "app/pieceset/Descriptor.h"
#include "app/pieceset/PathText.h"
#include "app/pieceset/PieceSetFormat.h"
#include "platform/io/File.h"

#include <algorithm>

namespace tirnel {

namespace fs = std::filesystem;

namespace {

// True when the file reads as a descriptor, whatever name it stores.
bool IsDescriptor(const fs::path& path, std::int64_t chunkSize) {
    std::error_code ec;
    File file = File::OpenRead(path, ec);
    const std::int64_t size = ec ? 0 : file.Size(ec);
    if (ec || size > kMaxDescriptorBytes) return false;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    bytes.resize(file.ReadAt(bytes.data(), bytes.size(), 0, ec));
    std::string failure;
    return !ec && ReadDescribedSet(bytes, chunkSize, failure).has_value();
}

}  // namespace

std::vector<std::string> OtherSetsIn(const fs::path& folder, const std::string& ownDescriptorName,
                                     std::int64_t chunkSize) {
    std::vector<std::string> others;
    if (!IsOrdinaryFile(folder / PieceName(1))) return others;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = TextFromPath(it->path().filename());
        if (name == ownDescriptorName || !name.ends_with(".hpe") || !IsOrdinaryFile(it->path())) continue;
        if (IsDescriptor(it->path(), chunkSize)) others.push_back(name);
    }
    std::sort(others.begin(), others.end());
    return others;
}

}  // namespace tirnel
