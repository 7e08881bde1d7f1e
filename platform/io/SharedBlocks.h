#pragma once
// Whether two byte ranges are the same blocks on the disk. A file system that copies by
// sharing blocks (XFS with reflink, btrfs) leaves a piece and the range of the source it was
// cut from on the same blocks: then what the piece holds can be read from the source, whose
// pages a split has in its cache, instead of from the piece, whose pages it has not.

#include "platform/io/File.h"

#include <cstdint>

namespace tirnel {

// True when every byte of `length` bytes of `a` from `aOffset` lies on the disk where the
// byte at the same distance from `bOffset` of `b` lies. False whenever that cannot be told
// (a system or file system without extent maps, holes, data not yet on the disk, data kept
// inline or encoded).
bool RangesShareBlocks(const File& a, std::int64_t aOffset, const File& b, std::int64_t bOffset, std::int64_t length);

// What tells whether a file has changed: its identity, size and the times of its last data
// and inode changes.
struct FileState {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = -1;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;

    bool operator==(const FileState&) const = default;
};
// The state of an open file; a default state (size -1) when it cannot be had.
FileState StateOf(const File& file);

}  // namespace tirnel
