#include "platform/io/LineReader.h"

#include <algorithm>
#include <cstring>

namespace tirnel {

namespace {
constexpr std::size_t kBlock = 64 * 1024;
}  // namespace

LineReader::LineReader(File file, std::size_t maxLine)
    : mFile(std::move(file)), mMaxLine(maxLine), mBuffer(std::max(kBlock, maxLine + 1) + kBlock, '\0') {}

bool LineReader::Refill(std::error_code& ec) {
    if (mAtEnd) return false;
    std::memmove(mBuffer.data(), mBuffer.data() + mStart, mEnd - mStart);
    mEnd -= mStart;
    mStart = 0;
    const std::size_t got = mFile.ReadAt(mBuffer.data() + mEnd, mBuffer.size() - mEnd, mOffset, ec);
    if (ec) return false;
    if (got == 0) mAtEnd = true;
    mOffset += static_cast<std::int64_t>(got);
    mEnd += got;
    return got > 0;
}

LineReader::Status LineReader::Next(std::string_view& line, std::error_code& ec) {
    ec.clear();
    for (;;) {
        const char* begin = mBuffer.data() + mStart;
        const std::size_t held = mEnd - mStart;
        const void* lf = std::memchr(begin, '\n', held);
        if (lf) {
            const std::size_t length = static_cast<std::size_t>(static_cast<const char*>(lf) - begin);
            if (length > mMaxLine) return Status::TooLong;
            line = std::string_view(begin, length);
            mStart += length + 1;
            ++mLineNumber;
            return Status::Line;
        }
        if (held > mMaxLine) return Status::TooLong;
        if (!Refill(ec)) {
            if (ec) return Status::Failed;
            if (mEnd == mStart) return Status::End;
            // The last line, without its LF.
            line = std::string_view(mBuffer.data() + mStart, mEnd - mStart);
            mStart = mEnd;
            ++mLineNumber;
            return Status::Line;
        }
    }
}

}  // namespace tirnel
