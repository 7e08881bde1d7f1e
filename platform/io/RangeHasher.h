#pragma once
// Digests (SHA-256 unless asked otherwise) of byte ranges of open files, computed on worker threads. A run submits each range
// once the data is written (or while it is still in the page cache) and collects the digests
// later, so hashing overlaps the copy. Nothing here blocks the caller for longer than the
// timeout it gives, and memory stays bounded: one read buffer per thread and one open handle
// per unfinished item, whose number the caller bounds through HasRoom.

#include "platform/io/File.h"
#include "platform/io/Digest.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace tirnel {

class RangeHasher {
public:
    // Each thread reads through one buffer of this size.
    static constexpr std::size_t kReadBlock = 1 << 20;
    // HasRoom holds while fewer items than this are unfinished.
    static constexpr int kMaxUnfinished = 16;

    struct HashResult {
        std::int64_t index = 0;
        // Of the bytes read; meaningless when `ec` is set.
        Sha256Digest digest{};
        // A read failed.
        std::error_code ec;
        // The file ended before the whole range was read.
        bool shortRead = false;
    };

    // `threads` workers; 0 means as many as the processor has, at most 2.
    explicit RangeHasher(int threads = 0);
    // Drops the queued items, stops the ones being hashed at their next block and joins.
    ~RangeHasher();
    RangeHasher(const RangeHasher&) = delete;
    RangeHasher& operator=(const RangeHasher&) = delete;

    // Queues the hashing of `length` bytes of `file` from `offset`, reported as `index`.
    // Takes a handle of its own, so the caller may close `file` at once. Never blocks and
    // always accepts (the caller keeps the queue short with HasRoom); false with `ec` when
    // no handle could be had or the range is negative.
    bool Submit(const File& file, std::int64_t offset, std::int64_t length, std::int64_t index,
                std::error_code& ec, HashKind kind = HashKind::Sha256);

    bool HasRoom() const;
    // Wait at most `timeout` for HasRoom, or for every submitted item to be finished;
    // both return whether that holds.
    bool WaitForRoom(std::chrono::milliseconds timeout);
    bool WaitIdle(std::chrono::milliseconds timeout);

    // The results finished since the last call, in any order.
    std::vector<HashResult> TakeResults();

private:
    struct Item {
        File file;
        std::int64_t offset;
        std::int64_t length;
        std::int64_t index;
        HashKind kind;
    };

    void Work();

    mutable std::mutex mMutex;
    std::condition_variable mWorkReady;  // an item was queued, or the hasher is stopping
    std::condition_variable mFinished;   // an item was finished
    std::deque<Item> mQueue;
    std::vector<HashResult> mResults;
    int mUnfinished = 0;  // queued or being hashed
    std::atomic<bool> mStopping{false};
    std::vector<std::thread> mThreads;
};

// Feeds `length` bytes of `file` from `offset` to `hash` through `buffer` (kReadBlock bytes).
// False when `stopping` was raised on the way; otherwise `ec` tells of a failed read and
// `shortRead` of a file that ended before the range did.
bool HashFileRange(Hasher& hash, File& file, std::int64_t offset, std::int64_t length, char* buffer,
                   const std::atomic<bool>& stopping, std::error_code& ec, bool& shortRead);

}  // namespace tirnel
