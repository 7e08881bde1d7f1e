#pragma once
// An exclusive, advisory lock on a folder for as long as the object lives, so that two runs
// never write into one folder at once. It needs no file of its own: the folder itself is
// locked, and the system drops the lock when the process ends however it ends.

#include <filesystem>
#include <system_error>

namespace tirnel {

class FolderLock {
public:
    enum class State {
        Held,         // this object holds the lock
        Busy,         // someone else holds it
        Unsupported,  // the system or the file system has no such locks; nothing is held
        Unavailable,  // the folder could not be opened to be locked (no read permission, say)
    };

    FolderLock() = default;
    ~FolderLock();
    FolderLock(FolderLock&& other) noexcept;
    FolderLock& operator=(FolderLock&& other) noexcept;
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Takes the lock without waiting.
    static FolderLock Take(const std::filesystem::path& folder);

    State GetState() const { return mState; }
    // Why the folder could not be opened, for Unavailable.
    std::error_code Error() const { return mError; }

private:
    void Release();

    int mHandle = -1;
    State mState = State::Unsupported;
    std::error_code mError;
};

}  // namespace tirnel
