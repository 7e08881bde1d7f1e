#include "platform/io/FolderLock.h"

#include <utility>

#if defined(__unix__) || defined(__APPLE__)
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#define TIRNEL_HAS_FLOCK 1
#endif

namespace tirnel {

FolderLock FolderLock::Take(const std::filesystem::path& folder) {
    FolderLock lock;
#ifdef TIRNEL_HAS_FLOCK
    int fd;
    do {
        fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        lock.mState = State::Unavailable;
        lock.mError = {errno, std::generic_category()};
        return lock;
    }
    int result;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        lock.mHandle = fd;
        lock.mState = State::Held;
        return lock;
    }
    // Any other answer (a network file system that cannot lock, say) means no lock to be had.
    if (errno == EWOULDBLOCK) lock.mState = State::Busy;
    else lock.mError = {errno, std::generic_category()};
    ::close(fd);
#else
    (void)folder;
#endif
    return lock;
}

void FolderLock::Release() {
#ifdef TIRNEL_HAS_FLOCK
    if (mHandle >= 0) ::close(mHandle);  // closing the last handle drops the lock
#endif
    mHandle = -1;
    mState = State::Unsupported;
}

FolderLock::~FolderLock() { Release(); }

FolderLock::FolderLock(FolderLock&& other) noexcept
    : mHandle(std::exchange(other.mHandle, -1)),
      mState(std::exchange(other.mState, State::Unsupported)),
      mError(std::exchange(other.mError, {})) {}

FolderLock& FolderLock::operator=(FolderLock&& other) noexcept {
    if (this != &other) {
        Release();
        mHandle = std::exchange(other.mHandle, -1);
        mState = std::exchange(other.mState, State::Unsupported);
        mError = std::exchange(other.mError, {});
    }
    return *this;
}

}  // namespace tirnel
