#include "platform/io/StreamHasher.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace tirnel {

StreamHasher::StreamHasher(HashKind kind) : mHasher(kind), mThread([this] { Work(); }) {}

StreamHasher::~StreamHasher() {
    {
        std::lock_guard lock(mMutex);
        mStopping = true;
        mQueue.clear();
    }
    mWorkReady.notify_all();
    mThread.join();
}

bool StreamHasher::Append(const File& file, std::int64_t offset, std::int64_t length, std::error_code& ec) {
    File own = file.Duplicate(ec);
    if (ec) return false;
    {
        std::lock_guard lock(mMutex);
        mQueue.push_back({std::move(own), offset, length});
    }
    mWorkReady.notify_one();
    return true;
}

bool StreamHasher::WaitForRoom(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mMutex);
    return mDone.wait_for(lock, timeout, [this] { return static_cast<int>(mQueue.size()) < kMaxQueued; });
}

bool StreamHasher::WaitIdle(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mMutex);
    return mDone.wait_for(lock, timeout, [this] { return mQueue.empty() && !mBusy; });
}

DigestBytes StreamHasher::Finish(std::error_code& ec, bool& shortRead) {
    std::lock_guard lock(mMutex);
    ec = mError;
    shortRead = mShortRead;
    return mHasher.Finish();
}

void StreamHasher::Work() {
    std::unique_ptr<char[]> buffer;
    std::unique_lock lock(mMutex);
    for (;;) {
        mWorkReady.wait(lock, [this] { return mStopping || !mQueue.empty(); });
        if (mStopping) return;
        Range range = std::move(mQueue.front());
        mQueue.pop_front();
        mBusy = true;
        const bool failed = mError || mShortRead;  // a stream that broke stays broken
        lock.unlock();

        if (!buffer) buffer = std::make_unique_for_overwrite<char[]>(kReadBlock);
        std::error_code ec;
        bool shortRead = false;
        for (std::int64_t done = 0; !failed && done < range.length;) {
            const auto want = static_cast<std::size_t>(std::min<std::int64_t>(range.length - done, kReadBlock));
            const std::size_t got = range.file.ReadAt(buffer.get(), want, range.offset + done, ec);
            if (ec) break;
            mHasher.Update(buffer.get(), got);  // only this thread touches it until idle
            done += static_cast<std::int64_t>(got);
            if (got < want) {
                shortRead = true;
                break;
            }
            if (mStopping) break;
        }
        range.file = File();

        lock.lock();
        if (ec && !mError) mError = ec;
        mShortRead = mShortRead || shortRead;
        mBusy = false;
        mDone.notify_all();
    }
}

}  // namespace tirnel
