#include "pieceset/NumberedChecksums.h"

#include "pieceset/ChecksumFile.h"
#include "pieceset/Descriptor.h"
#include "pieceset/FailureText.h"
#include "pieceset/PathText.h"
#include "platform/io/LineReader.h"

#include <algorithm>
#include <cctype>
#include <functional>

namespace tirnel {

namespace fs = std::filesystem;

namespace {

enum class Format { SumLines, Sfv, CrcRecord };

struct Candidate {
    const char* suffix;  // after the set's name; a whole file name when `shared`
    bool shared;         // a file of its own name, for every file of the folder
    Format format;
    HashKind kind;
};

// Strongest first.
constexpr Candidate kCandidates[] = {
    {".sha256", false, Format::SumLines, HashKind::Sha256},
    {"SHA256SUMS", true, Format::SumLines, HashKind::Sha256},
    {".md5", false, Format::SumLines, HashKind::Md5},
    {"MD5SUMS", true, Format::SumLines, HashKind::Md5},
    {".sfv", false, Format::Sfv, HashKind::Crc32},
    {".crc", false, Format::CrcRecord, HashKind::Crc32},
};

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    return text;
}

// What the lines of one file say of the set, as they are read.
class Listing {
public:
    Listing(const NumberedSet& set, NumberedChecksums& checksums) : mSet(set), mChecksums(checksums) {}

    // Takes one named digest; false with `problem` when it makes the file untrustworthy.
    bool Take(const std::string& name, const DigestBytes& digest, std::string& problem) {
        if (!IsPlainFileName(name)) {
            problem = "列出了不属于这组分割文件的" + name;
            return false;
        }
        if (const std::optional<std::int64_t> number = mSet.NumberOf(name)) {
            if (mChecksums.pieces.empty()) {
                mChecksums.pieces.assign(static_cast<std::size_t>(mSet.Count()), DigestBytes{});
                mSeen.assign(static_cast<std::size_t>(mSet.Count()), false);
            }
            const std::size_t k = static_cast<std::size_t>(*number - 1);
            if (mSeen[k]) {
                problem = "重复列出了分割文件" + name;
                return false;
            }
            mSeen[k] = true;
            mChecksums.pieces[k] = digest;
            return true;
        }
        const std::optional<NumberedName> numbered = ParseNumberedName(name);
        if (numbered && numbered->stem == mSet.stem && mSet.PieceName(numbered->number) == name) {
            problem = "列出了分割文件" + name + ",但文件夹中没有这个文件";
            return false;
        }
        if (name == mSet.stem) {
            if (mChecksums.whole) {
                problem = "重复列出了" + name;
                return false;
            }
            mChecksums.whole = digest;
        }
        return true;  // another file's line
    }

    // After the last line: every piece listed once it lists one.
    bool Complete(std::string& problem) const {
        const auto unseen = std::find(mSeen.begin(), mSeen.end(), false);
        if (unseen == mSeen.end()) return true;
        problem = "没有列出分割文件" + mSet.PieceName(static_cast<std::int64_t>(unseen - mSeen.begin()) + 1);
        return false;
    }

private:
    const NumberedSet& mSet;
    NumberedChecksums& mChecksums;
    std::vector<bool> mSeen;
};

// Reads the file line by line; `take` returns false with `problem` at a line it cannot use.
bool ReadLines(File file, const std::function<bool(std::string_view, std::string&)>& take, std::string& problem) {
    LineReader reader(std::move(file), static_cast<std::size_t>(kMaxChecksumLineBytes));
    std::string_view text;
    std::error_code ec;
    for (LineReader::Status status; (status = reader.Next(text, ec)) != LineReader::Status::End;) {
        if (status == LineReader::Status::Failed) {
            problem = "无法读取:" + FailureReason(ec);
            return false;
        }
        const std::int64_t number = reader.LineNumber() + (status == LineReader::Status::TooLong ? 1 : 0);
        if (status == LineReader::Status::TooLong || !take(text, problem)) {
            if (problem.empty()) problem = "第" + std::to_string(number) + "行格式不对";
            return false;
        }
    }
    return true;
}

bool ReadSumLines(File file, HashKind kind, Listing& listing, std::string& problem) {
    return ReadLines(std::move(file), [&](std::string_view text, std::string& why) {
        const std::optional<ChecksumLine> line = ReadChecksumLine(text, kind);
        return line && listing.Take(line->name, line->digest, why);
    }, problem) && listing.Complete(problem);
}

bool ReadSfv(File file, Listing& listing, std::string& problem) {
    return ReadLines(std::move(file), [&](std::string_view text, std::string& why) {
        SfvLine line;
        switch (ReadSfvLine(text, line)) {
        case SfvRead::Nothing: return true;
        case SfvRead::Bad: return false;
        case SfvRead::Line: return listing.Take(line.name, line.crc, why);
        }
        return false;
    }, problem) && listing.Complete(problem);
}

// "filename=…", "size=…", "crc32=…", keys in any letter case; other keys are left alone.
bool ReadCrcRecord(File file, NumberedChecksums& checksums, std::string& problem) {
    std::optional<std::string> name;
    const bool read = ReadLines(std::move(file), [&](std::string_view text, std::string& why) {
        text = Trimmed(text);
        const std::size_t equals = text.find('=');
        if (text.empty()) return true;
        if (equals == std::string_view::npos) return false;
        std::string key(Trimmed(text.substr(0, equals)));
        std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        const std::string_view value = Trimmed(text.substr(equals + 1));
        if (key == "filename") {
            if (!IsPlainFileName(value)) why = "记录的文件名" + std::string(value) + "无效";
            name = std::string(value);
            return why.empty();
        }
        if (key == "size") {
            std::int64_t size = 0;
            for (char c : value) {
                if (c < '0' || c > '9' || size > (INT64_MAX - 9) / 10) return false;
                size = size * 10 + (c - '0');
            }
            checksums.wholeSize = size;
            return !value.empty();
        }
        if (key == "crc32") {
            checksums.whole = DigestFromHex(value, HashKind::Crc32);
            return checksums.whole.has_value();
        }
        return true;
    }, problem);
    if (!read) return false;
    if (!name || !checksums.whole || !checksums.wholeSize) {
        problem = "没有记录文件名、大小和CRC32";
        return false;
    }
    checksums.recordedName = *name;
    return true;
}

}  // namespace

SfvRead ReadSfvLine(std::string_view line, SfvLine& read) {
    line = Trimmed(line);
    if (line.empty() || line.front() == ';') return SfvRead::Nothing;
    const std::size_t blank = line.find_last_of(" \t");
    if (blank == std::string_view::npos) return SfvRead::Bad;
    const std::optional<DigestBytes> crc = DigestFromHex(line.substr(blank + 1), HashKind::Crc32);
    const std::string_view name = Trimmed(line.substr(0, blank));
    if (!crc || name.empty() || name.find('\0') != std::string_view::npos) return SfvRead::Bad;
    read = {std::string(name), *crc};
    return SfvRead::Line;
}

ChecksumsFound LoadNumberedChecksums(const NumberedSet& set, const std::string& ending, NumberedChecksums& checksums,
                                     std::string& failure) {
    for (const Candidate& candidate : kCandidates) {
        const std::string fileName = candidate.shared ? candidate.suffix : set.stem + candidate.suffix;
        const fs::path path = set.folder / PathFromText(fileName);
        std::error_code ec;
        if (fs::symlink_status(path, ec).type() == fs::file_type::not_found || ec) continue;
        NumberedChecksums read;
        read.fileName = fileName;
        read.kind = candidate.kind;
        auto bad = [&](const std::string& problem) {
            failure = "校验文件" + fileName + problem + "," + ending;
            return ChecksumsFound::Bad;
        };
        File file = File::OpenRead(path, ec);
        const std::int64_t size = ec ? 0 : file.Size(ec);
        if (ec) return bad("无法读取:" + FailureReason(ec));
        if (size > MaxChecksumFileBytes(kMaxNumberedPieces)) return bad("太大,不是这组分割文件的校验文件");
        std::string problem;
        Listing listing(set, read);
        const bool good = candidate.format == Format::SumLines ? ReadSumLines(std::move(file), candidate.kind, listing, problem)
                          : candidate.format == Format::Sfv    ? ReadSfv(std::move(file), listing, problem)
                                                               : ReadCrcRecord(std::move(file), read, problem);
        if (!good) return bad(problem);
        // A file that names neither the pieces nor the file they rebuild is another's.
        if (read.pieces.empty() && !read.whole) continue;
        checksums = std::move(read);
        return ChecksumsFound::Loaded;
    }
    return ChecksumsFound::Absent;
}

}  // namespace tirnel
