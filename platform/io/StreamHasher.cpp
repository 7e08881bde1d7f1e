#include "platform/io/StreamHasher.h"

#include "platform/io/RangeHasher.h"

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

        if (!buffer) buffer = std::make_unique_for_overwrite<char[]>(RangeHasher::kReadBlock);
        std::error_code ec;
        bool shortRead = false;
        if (!failed) HashFileRange(mHasher, range.file, range.offset, range.length, buffer.get(), mStopping, ec, shortRead);
        range.file = File();

        lock.lock();
        if (ec && !mError) mError = ec;
        mShortRead = mShortRead || shortRead;
        mBusy = false;
        mDone.notify_all();
    }
}

}  // namespace tirnel
