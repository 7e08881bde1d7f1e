#pragma once
// Reads a text file line by line through one fixed buffer, so memory stays the same whatever
// the file's size; a line longer than the reader allows is reported instead of being kept.

#include "platform/io/File.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

namespace tirnel {

class LineReader {
public:
    // `maxLine`: the longest line (without its LF) the caller accepts.
    LineReader(File file, std::size_t maxLine);

    enum class Status {
        Line,     // `line` holds the next line, without its LF (a CR before it stays)
        End,      // no more lines; a last line without LF was returned as a line
        TooLong,  // the next line is longer than maxLine
        Failed,   // a read failed: `ec` says why
    };
    Status Next(std::string_view& line, std::error_code& ec);
    // The 1-based number of the line Next returned last.
    std::int64_t LineNumber() const { return mLineNumber; }

private:
    // Moves what is left to the front of the buffer and reads more after it; false at the end.
    bool Refill(std::error_code& ec);

    File mFile;
    std::size_t mMaxLine;
    std::string mBuffer;
    std::size_t mStart = 0;  // the unread part of the buffer: [mStart, mEnd)
    std::size_t mEnd = 0;
    std::int64_t mOffset = 0;  // of the file, where the next read starts
    std::int64_t mLineNumber = 0;
    bool mAtEnd = false;
};

}  // namespace tirnel
