#pragma once
// One digest of many byte ranges taken in order, as one stream (the digest of a whole file
// that a run writes piece after piece), computed on a worker thread while the caller goes on.
// Memory stays bounded: one read buffer and one open handle per range not yet hashed, whose
// number the caller bounds through WaitForRoom.

#include "platform/io/Digest.h"
#include "platform/io/File.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>

namespace tirnel {

class StreamHasher {
public:
    static constexpr int kMaxQueued = 16;

    explicit StreamHasher(HashKind kind);
    // Drops what is queued, stops at the next block and joins.
    ~StreamHasher();
    StreamHasher(const StreamHasher&) = delete;
    StreamHasher& operator=(const StreamHasher&) = delete;

    // Queues the next `length` bytes of `file` from `offset`; takes a handle of its own.
    bool Append(const File& file, std::int64_t offset, std::int64_t length, std::error_code& ec);
    // Waits at most `timeout` for fewer than kMaxQueued ranges, or for all of them to be hashed.
    bool WaitForRoom(std::chrono::milliseconds timeout);
    bool WaitIdle(std::chrono::milliseconds timeout);

    // Once idle: the digest of everything appended; `ec` set when a read failed, `shortRead`
    // when a range ended early.
    DigestBytes Finish(std::error_code& ec, bool& shortRead);

private:
    struct Range {
        File file;
        std::int64_t offset;
        std::int64_t length;
    };
    void Work();

    std::mutex mMutex;
    std::condition_variable mWorkReady;
    std::condition_variable mDone;
    std::deque<Range> mQueue;
    bool mBusy = false;
    std::atomic<bool> mStopping{false};
    Hasher mHasher;
    std::error_code mError;
    bool mShortRead = false;
    std::thread mThread;
};

}  // namespace tirnel
