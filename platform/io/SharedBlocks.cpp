#include "platform/io/SharedBlocks.h"

#if defined(__linux__)
#include <linux/fiemap.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#endif
#if defined(__unix__) || defined(__APPLE__)
#include <sys/stat.h>
#endif

#include <algorithm>
#include <array>
#include <cstring>

namespace tirnel {

#if defined(__linux__)

namespace {

// Walks the extents of a file up to `end`, a few at a time, with a buffer of fixed size.
class ExtentWalk {
public:
    ExtentWalk(int fd, std::int64_t end) : mFd(fd), mEnd(end) {}

    // The physical place of the byte at `logical` and how many bytes after it lie on the disk
    // in one run; false when it lies in no usable extent.
    bool Locate(std::int64_t logical, std::int64_t& physical, std::int64_t& run) {
        for (;;) {
            for (; mIndex < mCount; ++mIndex) {
                const fiemap_extent& e = Extents()[mIndex];
                const std::int64_t from = static_cast<std::int64_t>(e.fe_logical);
                const std::int64_t to = from + static_cast<std::int64_t>(e.fe_length);
                if (logical >= to) continue;
                if (logical < from || (e.fe_flags & kUnusable) != 0) return false;
                physical = static_cast<std::int64_t>(e.fe_physical) + (logical - from);
                run = to - logical;
                return true;
            }
            if (mDone || !Fetch(logical)) return false;
        }
    }

private:
    static constexpr std::uint32_t kUnusable = FIEMAP_EXTENT_UNKNOWN | FIEMAP_EXTENT_DELALLOC |
                                               FIEMAP_EXTENT_ENCODED | FIEMAP_EXTENT_DATA_ENCRYPTED |
                                               FIEMAP_EXTENT_NOT_ALIGNED | FIEMAP_EXTENT_DATA_INLINE |
                                               FIEMAP_EXTENT_DATA_TAIL | FIEMAP_EXTENT_UNWRITTEN;
    static constexpr std::uint32_t kBatch = 32;

    fiemap* Map() { return reinterpret_cast<fiemap*>(mBuffer.data()); }
    const fiemap_extent* Extents() { return Map()->fm_extents; }

    bool Fetch(std::int64_t from) {
        std::memset(mBuffer.data(), 0, mBuffer.size());
        fiemap* map = Map();
        map->fm_start = static_cast<std::uint64_t>(from);
        map->fm_length = static_cast<std::uint64_t>(mEnd - from);
        map->fm_extent_count = kBatch;
        if (::ioctl(mFd, FS_IOC_FIEMAP, map) != 0 || map->fm_mapped_extents == 0) return false;
        mCount = map->fm_mapped_extents;
        mIndex = 0;
        mDone = (Extents()[mCount - 1].fe_flags & FIEMAP_EXTENT_LAST) != 0 || mCount < kBatch;
        return true;
    }

    int mFd;
    std::int64_t mEnd;
    std::array<std::uint64_t, (sizeof(fiemap) + kBatch * sizeof(fiemap_extent)) / sizeof(std::uint64_t) + 1> mBuffer{};
    std::uint32_t mCount = 0, mIndex = 0;
    bool mDone = false;
};

}  // namespace

bool RangesShareBlocks(const File& a, std::int64_t aOffset, const File& b, std::int64_t bOffset, std::int64_t length) {
    if (length <= 0 || a.NativeHandle() < 0 || b.NativeHandle() < 0) return false;
    ExtentWalk walkA(a.NativeHandle(), aOffset + length);
    ExtentWalk walkB(b.NativeHandle(), bOffset + length);
    for (std::int64_t done = 0; done < length;) {
        std::int64_t physicalA = 0, runA = 0, physicalB = 0, runB = 0;
        if (!walkA.Locate(aOffset + done, physicalA, runA) || !walkB.Locate(bOffset + done, physicalB, runB)) {
            return false;
        }
        if (physicalA != physicalB) return false;
        done += std::min(runA, runB);
    }
    return true;
}

#else

bool RangesShareBlocks(const File&, std::int64_t, const File&, std::int64_t, std::int64_t) { return false; }

#endif

#if defined(__unix__) || defined(__APPLE__)

FileState StateOf(const File& file) {
    struct stat st {};
    if (file.NativeHandle() < 0 || ::fstat(file.NativeHandle(), &st) != 0) return {};
    auto nanoseconds = [](const timespec& t) { return static_cast<std::int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec; };
#if defined(__APPLE__)
    return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino), st.st_size,
            nanoseconds(st.st_mtimespec), nanoseconds(st.st_ctimespec)};
#else
    return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino), st.st_size,
            nanoseconds(st.st_mtim), nanoseconds(st.st_ctim)};
#endif
}

#else

FileState StateOf(const File&) { return {}; }

#endif

}  // namespace tirnel
