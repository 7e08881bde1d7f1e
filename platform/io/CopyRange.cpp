#include "platform/io/File.h"

#include <algorithm>
#include <memory>

#if defined(__linux__)
#include <cerrno>
#include <unistd.h>
#endif

namespace tirnel {

namespace {

enum class KernelCopy { Done, Unsupported, Failed };

// One in-kernel step of at most `length` bytes. Unsupported means the system cannot
// copy between these two files (another file system, an old kernel, a special file),
// and nothing has been copied yet by this call.
KernelCopy KernelCopyStep(File& source, std::int64_t sourceOffset, File& target,
                          std::int64_t targetOffset, std::int64_t length, std::int64_t& copied,
                          std::error_code& ec) {
#if defined(__linux__)
    loff_t in = sourceOffset;
    loff_t out = targetOffset;
    copied = 0;
    while (copied < length) {
        ssize_t n = ::copy_file_range(source.NativeHandle(), &in, target.NativeHandle(), &out,
                                      static_cast<std::size_t>(length - copied), 0);
        if (n < 0) {
            if (errno == EINTR) continue;
            if (copied == 0 && (errno == EXDEV || errno == EINVAL || errno == ENOSYS ||
                                errno == EOPNOTSUPP || errno == EBADF || errno == ETXTBSY)) {
                return KernelCopy::Unsupported;
            }
            ec = {errno, std::generic_category()};
            return KernelCopy::Failed;
        }
        if (n == 0) break;  // the source ends here
        copied += n;
    }
    return KernelCopy::Done;
#else
    (void)source, (void)sourceOffset, (void)target, (void)targetOffset, (void)length, (void)ec;
    copied = 0;
    return KernelCopy::Unsupported;
#endif
}

}  // namespace

std::int64_t CopyRange(File& source, std::int64_t sourceOffset, File& target,
                       std::int64_t targetOffset, std::int64_t length, std::error_code& ec,
                       const CopyProgress& progress, CopyMethod method) {
    ec.clear();
    std::int64_t done = 0;
    bool kernel = method == CopyMethod::Best && source.NativeHandle() >= 0 && target.NativeHandle() >= 0;
    std::unique_ptr<char[]> buffer;

    while (done < length) {
        std::int64_t block = std::min(length - done, kCopyBlock);
        std::int64_t moved = 0;
        if (kernel) {
            switch (KernelCopyStep(source, sourceOffset + done, target, targetOffset + done, block,
                                   moved, ec)) {
            case KernelCopy::Done: break;
            case KernelCopy::Failed: return done + moved;
            case KernelCopy::Unsupported: kernel = false; continue;
            }
        } else {
            if (!buffer) buffer = std::make_unique<char[]>(kCopyBuffer);
            while (moved < block) {
                std::size_t want = static_cast<std::size_t>(
                    std::min<std::int64_t>(block - moved, static_cast<std::int64_t>(kCopyBuffer)));
                std::size_t got = source.ReadAt(buffer.get(), want, sourceOffset + done + moved, ec);
                if (ec) return done + moved;
                if (got > 0) {
                    target.WriteAt(buffer.get(), got, targetOffset + done + moved, ec);
                    if (ec) return done + moved;
                }
                moved += static_cast<std::int64_t>(got);
                if (got < want) break;
            }
        }
        done += moved;
        if (moved < block) break;  // the source ended early
        if (progress && done < length && !progress(done)) break;
    }
    return done;
}

}  // namespace tirnel
