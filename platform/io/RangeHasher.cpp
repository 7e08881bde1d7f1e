#include "platform/io/RangeHasher.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace tirnel {

bool HashFileRange(Hasher& hash, File& file, std::int64_t offset, std::int64_t length, char* buffer,
                   const std::atomic<bool>& stopping, std::error_code& ec, bool& shortRead) {
    for (std::int64_t done = 0; done < length;) {
        if (stopping.load(std::memory_order_relaxed)) return false;
        const auto want = static_cast<std::size_t>(
            std::min<std::int64_t>(length - done, static_cast<std::int64_t>(RangeHasher::kReadBlock)));
        const std::size_t got = file.ReadAt(buffer, want, offset + done, ec);
        if (ec) return true;
        hash.Update(buffer, got);
        done += static_cast<std::int64_t>(got);
        if (got < want) {
            shortRead = true;
            return true;
        }
    }
    return true;
}

RangeHasher::RangeHasher(int threads) {
    if (threads <= 0) {
        threads = static_cast<int>(std::min(2u, std::max(1u, std::thread::hardware_concurrency())));
    }
    mThreads.reserve(static_cast<std::size_t>(threads));
    for (int i = 0; i < threads; ++i) {
        try {
            mThreads.emplace_back([this] { Work(); });
        } catch (const std::system_error&) {
            // Fewer threads only make the hashing slower; none at all is an error.
            if (mThreads.empty()) throw;
            break;
        }
    }
}

RangeHasher::~RangeHasher() {
    std::deque<Item> dropped;
    {
        std::lock_guard lock(mMutex);
        mStopping = true;
        dropped.swap(mQueue);
    }
    mWorkReady.notify_all();
    for (std::thread& thread : mThreads) thread.join();
}

bool RangeHasher::Submit(const File& file, std::int64_t offset, std::int64_t length, std::int64_t index,
                         std::error_code& ec, HashKind kind) {
    if (offset < 0 || length < 0) {
        ec = std::make_error_code(std::errc::invalid_argument);
        return false;
    }
    File own = file.Duplicate(ec);
    if (ec) return false;
    {
        std::lock_guard lock(mMutex);
        mQueue.push_back({std::move(own), offset, length, index, kind});
        ++mUnfinished;
    }
    mWorkReady.notify_one();
    return true;
}

bool RangeHasher::HasRoom() const {
    std::lock_guard lock(mMutex);
    return mUnfinished < kMaxUnfinished;
}

bool RangeHasher::WaitForRoom(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mMutex);
    return mFinished.wait_for(lock, timeout, [this] { return mUnfinished < kMaxUnfinished; });
}

bool RangeHasher::WaitIdle(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mMutex);
    return mFinished.wait_for(lock, timeout, [this] { return mUnfinished == 0; });
}

std::vector<RangeHasher::HashResult> RangeHasher::TakeResults() {
    std::lock_guard lock(mMutex);
    return std::exchange(mResults, {});
}

void RangeHasher::Work() {
    std::unique_ptr<char[]> buffer;  // made for the first item: an idle hasher holds no memory
    std::unique_lock lock(mMutex);
    for (;;) {
        mWorkReady.wait(lock, [this] { return mStopping || !mQueue.empty(); });
        if (mStopping) return;
        Item item = std::move(mQueue.front());
        mQueue.pop_front();
        lock.unlock();

        if (!buffer) buffer = std::make_unique_for_overwrite<char[]>(kReadBlock);
        HashResult result;
        result.index = item.index;
        Hasher hash(item.kind);
        const bool hashed = HashFileRange(hash, item.file, item.offset, item.length, buffer.get(), mStopping,
                                          result.ec, result.shortRead);
        if (hashed && !result.ec) result.digest = hash.Finish();
        item.file = File();  // closed outside the lock

        lock.lock();
        if (hashed) mResults.push_back(std::move(result));
        --mUnfinished;
        mFinished.notify_all();
    }
}

}  // namespace tirnel
