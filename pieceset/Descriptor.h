#pragma once
// The descriptor file: one line "name:code" + CR LF, the name in code page 936.

#include "pieceset/PieceSetFormat.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tirnel {

// The descriptor's bytes for a file name (UTF-8) and a payload; empty when the name has
// no spelling in code page 936.
std::optional<std::string> DescriptorBytes(std::string_view fileName, std::string_view payload);

struct DescriptorContent {
    std::string name;     // UTF-8
    std::string payload;  // decoded
};

enum class DescriptorError { None, NoSeparator, BadName };

// Reads a descriptor's bytes: the name before the first ":", decoded from code page 936,
// and the payload after it, unshuffled and unscrambled.
std::optional<DescriptorContent> ParseDescriptor(std::string_view bytes, DescriptorError& error);

// A file name the run may create in its folder: not empty, not "." or "..", and without
// a separator of either platform or a NUL.
bool IsPlainFileName(std::string_view name);

// Descriptors are one short line; anything much larger is not one.
inline constexpr std::int64_t kMaxDescriptorBytes = 64 * 1024;

// A descriptor as the merge reads it.
struct DescribedSet {
    std::string name;  // UTF-8, a plain file name
    std::int64_t chunkCount = 0;
    SetShape shape;
};
// Reads a descriptor's bytes with every check the merge makes; empty, with the notice in
// `failure`, when no merge could use them. The split reads back what it writes with this.
std::optional<DescribedSet> ReadDescribedSet(std::string_view bytes, std::int64_t chunkSize, std::string& failure);
// The same for a descriptor file; `bytes` gets what it holds.
std::optional<DescribedSet> ReadDescriptorFile(const std::filesystem::path& path, std::string& bytes,
                                               std::string& failure, std::int64_t chunkSize = ChunkSize);

}  // namespace tirnel
