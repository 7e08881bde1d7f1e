#pragma once
// Raw-byte files for the runs: positioned reads and writes, 64-bit sizes, errors as
// std::error_code so callers can tell the user why. Nothing here throws.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>

namespace tirnel {

class File {
public:
    File() = default;
    ~File();
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // Opens an existing regular file for reading. Anything else (a pipe, a device, a folder)
    // is refused with NotRegularFileError() instead of being waited on.
    static File OpenRead(const std::filesystem::path& path, std::error_code& ec);
    // Creates a file that must not exist yet, for writing (and reading back).
    static File CreateNew(const std::filesystem::path& path, std::error_code& ec);
    // Creates a file without a name in `folder`, for writing and reading; it vanishes when
    // closed unless LinkAs gives it a name. `unsupported` is set (and nothing created) where
    // the system or the file system has no such files.
    static File CreateUnnamed(const std::filesystem::path& folder, bool& unsupported, std::error_code& ec);

    bool IsOpen() const;
    // A second handle on the same open file, which stays valid when this one is closed.
    // Its position is shared, which positioned reads and writes never use.
    File Duplicate(std::error_code& ec) const;
    std::int64_t Size(std::error_code& ec) const;

    // Reads up to `count` bytes at `offset`, looping over short reads; returns fewer
    // only at the end of the file.
    std::size_t ReadAt(void* buffer, std::size_t count, std::int64_t offset, std::error_code& ec);
    // Writes all `count` bytes at `offset`, looping over short writes.
    void WriteAt(const void* buffer, std::size_t count, std::int64_t offset, std::error_code& ec);
    // Gives a file made by CreateUnnamed the name `path`, which must not exist yet.
    void LinkAs(const std::filesystem::path& path, std::error_code& ec);
    // Flushes the file's data and size to the disk.
    void Sync(std::error_code& ec);
    // Closes and reports what the system says on close (a late write error, for one).
    void Close(std::error_code& ec);

    // The system handle, for the in-kernel copy; -1 where there is none.
    int NativeHandle() const;

    struct Impl;  // the system's handle

private:
    friend void SyncFolder(const std::filesystem::path& folder, std::error_code& ec);
    Impl* mImpl = nullptr;
};

// What OpenRead answers for a path that names something other than a regular file.
std::error_code NotRegularFileError();

// Reads a file into `bytes`, but never more than `limit` bytes of it (a caller that passes
// its own maximum + 1 tells a file over the maximum from one at it).
void ReadFileUpTo(const std::filesystem::path& path, std::int64_t limit, std::string& bytes, std::error_code& ec);

// The longest file name (in bytes) the folder's file system takes.
std::size_t MaxFileNameBytes(const std::filesystem::path& folder);

// Flushes a folder's entries (a rename into it) to the disk; a no-op where the system
// cannot open folders.
void SyncFolder(const std::filesystem::path& folder, std::error_code& ec);

// Called between blocks of a long copy with the bytes copied so far; returning false
// stops the copy.
using CopyProgress = std::function<bool(std::int64_t copied)>;

// Copies `length` bytes from `source` at `sourceOffset` to `target` at `targetOffset`,
// inside the kernel where the system allows it, otherwise through one small buffer.
// Returns the bytes copied: fewer than `length` when the source ends early or `progress`
// asked to stop; `ec` is set on a failing read or write.
enum class CopyMethod { Best, Buffered };
std::int64_t CopyRange(File& source, std::int64_t sourceOffset, File& target,
                       std::int64_t targetOffset, std::int64_t length, std::error_code& ec,
                       const CopyProgress& progress = {}, CopyMethod method = CopyMethod::Best);

// The largest block moved between two calls of the progress callback.
inline constexpr std::int64_t kCopyBlock = 2 << 20;
// The size of the one buffer of the read/write copy.
inline constexpr std::size_t kCopyBuffer = 1 << 20;

}  // namespace tirnel
