#include "platform/io/File.h"

#include <algorithm>

#include <string>
#include <utility>

#if defined(__unix__) || defined(__APPLE__)
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tirnel {

struct File::Impl {
    int fd = -1;
};

namespace {
std::error_code LastError() { return {errno, std::generic_category()}; }

File::Impl* OpenWith(const std::filesystem::path& path, int flags, std::error_code& ec) {
    int fd;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        ec = LastError();
        return nullptr;
    }
    ec.clear();
    return new File::Impl{fd};
}
}  // namespace

File File::OpenRead(const std::filesystem::path& path, std::error_code& ec) {
    File f;
    // Without O_NONBLOCK the open of a pipe waits for a writer, for ever; what it opened is
    // then checked, since a regular file may have been replaced by anything meanwhile.
    f.mImpl = OpenWith(path, O_RDONLY | O_NONBLOCK, ec);
    if (ec) return f;
    struct stat st {};
    std::error_code why;
    if (::fstat(f.mImpl->fd, &st) != 0) why = LastError();
    else if (!S_ISREG(st.st_mode)) why = NotRegularFileError();
    if (why) {
        f = File();
        ec = why;
        return f;
    }
    // Regular files ignore the flag; it is cleared all the same, for the kernel copy's sake.
    ::fcntl(f.mImpl->fd, F_SETFL, ::fcntl(f.mImpl->fd, F_GETFL) & ~O_NONBLOCK);
    return f;
}

File File::CreateNew(const std::filesystem::path& path, std::error_code& ec) {
    File f;
    f.mImpl = OpenWith(path, O_RDWR | O_CREAT | O_EXCL, ec);
    return f;
}

File File::CreateUnnamed(const std::filesystem::path& folder, bool& unsupported, std::error_code& ec) {
    File f;
    unsupported = false;
#ifdef O_TMPFILE
    f.mImpl = OpenWith(folder, O_RDWR | O_TMPFILE, ec);
    // Kernels and file systems without unnamed files answer with one of these.
    if (ec == std::errc::operation_not_supported || ec == std::errc::is_a_directory ||
        ec == std::errc::invalid_argument || ec == std::errc::function_not_supported) {
        unsupported = true;
        ec.clear();
    }
#else
    (void)folder;
    unsupported = true;
    ec.clear();
#endif
    return f;
}

void File::LinkAs(const std::filesystem::path& path, std::error_code& ec) {
    ec.clear();
#if defined(__linux__)
    // Through /proc, which needs no privilege; AT_EMPTY_PATH needs one but works without /proc.
    const std::string self = "/proc/self/fd/" + std::to_string(mImpl->fd);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0) return;
    const int viaProc = errno;
    if (::linkat(mImpl->fd, "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH) == 0) return;
    ec = {viaProc == ENOENT ? errno : viaProc, std::generic_category()};
#else
    (void)path;
    ec = std::make_error_code(std::errc::operation_not_supported);
#endif
}

void File::Sync(std::error_code& ec) {
    ec.clear();
    if (::fsync(mImpl->fd) != 0) ec = LastError();
}

std::int64_t File::Size(std::error_code& ec) const {
    struct stat st {};
    if (!mImpl || ::fstat(mImpl->fd, &st) != 0) {
        ec = mImpl ? LastError() : std::make_error_code(std::errc::bad_file_descriptor);
        return -1;
    }
    ec.clear();
    return static_cast<std::int64_t>(st.st_size);
}

std::size_t File::ReadAt(void* buffer, std::size_t count, std::int64_t offset, std::error_code& ec) {
    ec.clear();
    std::size_t done = 0;
    while (done < count) {
        ssize_t n = ::pread(mImpl->fd, static_cast<char*>(buffer) + done, count - done,
                            static_cast<off_t>(offset + static_cast<std::int64_t>(done)));
        if (n < 0) {
            if (errno == EINTR) continue;
            ec = LastError();
            break;
        }
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

void File::WriteAt(const void* buffer, std::size_t count, std::int64_t offset, std::error_code& ec) {
    ec.clear();
    std::size_t done = 0;
    while (done < count) {
        ssize_t n = ::pwrite(mImpl->fd, static_cast<const char*>(buffer) + done, count - done,
                             static_cast<off_t>(offset + static_cast<std::int64_t>(done)));
        if (n < 0) {
            if (errno == EINTR) continue;
            ec = LastError();
            return;
        }
        if (n == 0) {
            ec = std::make_error_code(std::errc::no_space_on_device);
            return;
        }
        done += static_cast<std::size_t>(n);
    }
}

void File::Close(std::error_code& ec) {
    ec.clear();
    if (!mImpl) return;
    if (::close(mImpl->fd) != 0 && errno != EINTR) ec = LastError();
    delete mImpl;
    mImpl = nullptr;
}

int File::NativeHandle() const { return mImpl ? mImpl->fd : -1; }

File File::Duplicate(std::error_code& ec) const {
    File copy;
    if (!mImpl) {
        ec = std::make_error_code(std::errc::bad_file_descriptor);
        return copy;
    }
    const int fd = ::fcntl(mImpl->fd, F_DUPFD_CLOEXEC, 0);
    if (fd < 0) {
        ec = LastError();
        return copy;
    }
    ec.clear();
    copy.mImpl = new Impl{fd};
    return copy;
}

File::~File() {
    if (mImpl) ::close(mImpl->fd);
    delete mImpl;
}

std::size_t MaxFileNameBytes(const std::filesystem::path& folder) {
    const long max = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return max > 0 ? static_cast<std::size_t>(max) : 255;
}

void SyncFolder(const std::filesystem::path& folder, std::error_code& ec) {
    File dir;
    dir.mImpl = OpenWith(folder, O_RDONLY | O_DIRECTORY, ec);
    if (!ec) dir.Sync(ec);
}

}  // namespace tirnel

#else  // Portable fallback: standard streams.
#include <fstream>

namespace tirnel {

struct File::Impl {
    std::fstream stream;
    std::filesystem::path path;  // for a second handle: streams cannot be duplicated
};

File File::OpenRead(const std::filesystem::path& path, std::error_code& ec) {
    File f;
    if (std::filesystem::exists(path) && !std::filesystem::is_regular_file(path)) {
        ec = NotRegularFileError();
        return f;
    }
    f.mImpl = new Impl;
    f.mImpl->path = path;
    f.mImpl->stream.open(path, std::ios::in | std::ios::binary);
    if (!f.mImpl->stream) {
        ec = std::filesystem::exists(path) ? std::make_error_code(std::errc::permission_denied)
                                           : std::make_error_code(std::errc::no_such_file_or_directory);
        delete f.mImpl;
        f.mImpl = nullptr;
    } else {
        ec.clear();
    }
    return f;
}

File File::CreateNew(const std::filesystem::path& path, std::error_code& ec) {
    File f;
    if (std::filesystem::exists(path)) {
        ec = std::make_error_code(std::errc::file_exists);
        return f;
    }
    f.mImpl = new Impl;
    f.mImpl->path = path;
    f.mImpl->stream.open(path, std::ios::in | std::ios::out | std::ios::binary | std::ios::trunc);
    if (!f.mImpl->stream) {
        ec = std::make_error_code(std::errc::permission_denied);
        delete f.mImpl;
        f.mImpl = nullptr;
    } else {
        ec.clear();
    }
    return f;
}

std::int64_t File::Size(std::error_code& ec) const {
    if (!mImpl) {
        ec = std::make_error_code(std::errc::bad_file_descriptor);
        return -1;
    }
    mImpl->stream.clear();
    mImpl->stream.seekg(0, std::ios::end);
    std::int64_t size = static_cast<std::int64_t>(mImpl->stream.tellg());
    ec = size < 0 ? std::make_error_code(std::errc::io_error) : std::error_code{};
    return size;
}

std::size_t File::ReadAt(void* buffer, std::size_t count, std::int64_t offset, std::error_code& ec) {
    ec.clear();
    mImpl->stream.clear();
    mImpl->stream.seekg(offset);
    mImpl->stream.read(static_cast<char*>(buffer), static_cast<std::streamsize>(count));
    std::size_t got = static_cast<std::size_t>(mImpl->stream.gcount());
    if (mImpl->stream.bad()) ec = std::make_error_code(std::errc::io_error);
    return got;
}

void File::WriteAt(const void* buffer, std::size_t count, std::int64_t offset, std::error_code& ec) {
    ec.clear();
    mImpl->stream.clear();
    mImpl->stream.seekp(offset);
    mImpl->stream.write(static_cast<const char*>(buffer), static_cast<std::streamsize>(count));
    if (!mImpl->stream) ec = std::make_error_code(std::errc::io_error);
}

void File::Close(std::error_code& ec) {
    ec.clear();
    if (!mImpl) return;
    mImpl->stream.close();
    if (mImpl->stream.fail()) ec = std::make_error_code(std::errc::io_error);
    delete mImpl;
    mImpl = nullptr;
}

int File::NativeHandle() const { return -1; }

// Standard streams cannot share an open file.
File File::Duplicate(std::error_code& ec) const {
    // Every file here has a name (there are no unnamed ones): a second handle opens it again.
    if (!mImpl) {
        ec = std::make_error_code(std::errc::bad_file_descriptor);
        return File();
    }
    return OpenRead(mImpl->path, ec);
}

File::~File() { delete mImpl; }

File File::CreateUnnamed(const std::filesystem::path&, bool& unsupported, std::error_code& ec) {
    unsupported = true;
    ec.clear();
    return File();
}

void File::LinkAs(const std::filesystem::path&, std::error_code& ec) {
    ec = std::make_error_code(std::errc::operation_not_supported);
}

void File::Sync(std::error_code& ec) {
    ec.clear();
    mImpl->stream.flush();
    if (!mImpl->stream) ec = std::make_error_code(std::errc::io_error);
}

void SyncFolder(const std::filesystem::path&, std::error_code& ec) { ec.clear(); }

std::size_t MaxFileNameBytes(const std::filesystem::path&) { return 255; }

}  // namespace tirnel
#endif

namespace tirnel {

namespace {
class FileErrors : public std::error_category {
public:
    const char* name() const noexcept override { return "tirnel-file"; }
    std::string message(int) const override { return "not a regular file"; }
};
}  // namespace

std::error_code NotRegularFileError() {
    static const FileErrors category;
    return {1, category};
}

void ReadFileUpTo(const std::filesystem::path& path, std::int64_t limit, std::string& bytes, std::error_code& ec) {
    File file = File::OpenRead(path, ec);
    const std::int64_t size = ec ? 0 : file.Size(ec);
    bytes.clear();
    if (ec) return;
    bytes.resize(static_cast<std::size_t>(std::min(size, limit)));
    bytes.resize(file.ReadAt(bytes.data(), bytes.size(), 0, ec));
}

File::File(File&& other) noexcept : mImpl(std::exchange(other.mImpl, nullptr)) {}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        File old(std::move(*this));
        mImpl = std::exchange(other.mImpl, nullptr);
    }
    return *this;
}

bool File::IsOpen() const { return mImpl != nullptr; }

}  // namespace tirnel
