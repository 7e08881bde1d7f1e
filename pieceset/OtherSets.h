#pragma once
// Pieces are always called 001.pe, 002.pe, …: a split into a folder that holds another set
// replaces that set's pieces. These find such sets first, so that the user is asked.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tirnel {

// The descriptors in `folder`, other than `ownDescriptorName`, whose sets have pieces there
// (a split writes 001.pe at least, so every such set loses pieces to it). Sorted by name.
std::vector<std::string> OtherSetsIn(const std::filesystem::path& folder, const std::string& ownDescriptorName,
                                     std::int64_t chunkSize);

}  // namespace tirnel
