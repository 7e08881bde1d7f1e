#include "pieceset/SetChecksums.h"

#include "pieceset/ChecksumFile.h"
#include "pieceset/Descriptor.h"
#include "pieceset/FailureText.h"
#include "pieceset/PathText.h"
#include "pieceset/PieceSetFormat.h"
#include "platform/io/File.h"

#include <optional>

namespace tirnel {

namespace fs = std::filesystem;

std::string DamagedPieceNotice(const std::string& pieceName) {
    return "分割文件" + pieceName + "已损坏(内容与校验文件不符),请重新获取这个文件后再合并!";
}

// What one pass over the file found.
struct SetChecksums::Scan {
    std::int64_t badLine = 0;            // the first line that is not a checksum line
    std::optional<Sha256Digest> descriptor;
    std::string problem;                 // the first thing wrong with the piece lines
    std::int64_t nextPiece = 1;          // ordered: the piece whose line comes next
    std::vector<bool> seen;              // unordered: the pieces listed so far
};

bool SetChecksums::ScanFile(File file, bool ordered, Scan& scan, std::error_code& ec) {
    LineReader reader(std::move(file), static_cast<std::size_t>(kMaxChecksumLineBytes));
    std::string_view text;
    for (LineReader::Status status; (status = reader.Next(text, ec)) != LineReader::Status::End;) {
        if (status == LineReader::Status::Failed) return true;
        std::optional<ChecksumLine> line;
        if (status == LineReader::Status::Line) line = ReadChecksumLine(text);
        if (!line) {
            scan.badLine = reader.LineNumber() + (status == LineReader::Status::TooLong ? 1 : 0);
            return true;
        }
        const std::optional<std::int64_t> number = PieceNumberOf(line->name);
        auto note = [&](const std::string& problem) {
            if (scan.problem.empty()) scan.problem = problem;
        };
        if (number && *number <= mPieceCount) {
            if (ordered) {
                if (*number != scan.nextPiece) return false;
                ++scan.nextPiece;
                continue;
            }
            const std::size_t k = static_cast<std::size_t>(*number - 1);
            if (scan.seen[k]) note("重复列出了分割文件" + PieceName(*number));
            scan.seen[k] = true;
            mTable[k] = line->digest;
        } else if (!number && !scan.descriptor && IsPlainFileName(line->name) && HasDescriptorExtension(line->name)) {
            // The descriptor may have been renamed since: its line is the one that names no piece.
            scan.descriptor = line->digest;
        } else {
            note("列出了不属于这组分割文件的" + line->name);
        }
    }
    if (reader.LineNumber() == 0) scan.badLine = 1;  // an empty file: cut before its first line
    return true;
}

ChecksumsFound SetChecksums::Load(const fs::path& descriptorPath, std::string_view descriptorBytes,
                                  std::int64_t pieceCount, const std::string& ending, std::string& failure) {
    mFileName = ChecksumFileNameOf(TextFromPath(descriptorPath.filename()));
    mPath = descriptorPath.parent_path() / PathFromText(mFileName);
    mPieceCount = pieceCount;
    std::error_code ec;
    // A descriptor name at the file system's limit leaves no room for one.
    const fs::file_type type = fs::symlink_status(mPath, ec).type();
    if (type == fs::file_type::not_found || ec == std::errc::filename_too_long) return ChecksumsFound::Absent;
    const std::string what = "校验文件" + mFileName;
    auto bad = [&](const std::string& text) {
        failure = what + text + "," + ending;
        return ChecksumsFound::Bad;
    };

    File file = File::OpenRead(mPath, ec);
    const std::int64_t size = ec ? 0 : file.Size(ec);
    if (ec) return bad("无法读取:" + FailureReason(ec));
    if (size > MaxChecksumFileBytes(pieceCount)) return bad("太大,不是这组分割文件的校验文件");

    Scan scan;
    const bool ordered = ScanFile(std::move(file), true, scan, ec);
    if (!ordered) {
        if (pieceCount > kMaxUnorderedPieces) return bad("中的分割文件没有按顺序排列,分割文件这么多时无法这样校验");
        scan = Scan{};
        scan.seen.assign(static_cast<std::size_t>(pieceCount), false);
        mTable.assign(static_cast<std::size_t>(pieceCount), Sha256Digest{});
        File again = File::OpenRead(mPath, ec);
        if (!ec) ScanFile(std::move(again), false, scan, ec);
    }
    if (ec) return bad("无法读取:" + FailureReason(ec));
    if (scan.badLine != 0) return bad("第" + std::to_string(scan.badLine) + "行格式不对");
    if (!scan.descriptor) return bad("没有列出描述文件");
    if (*scan.descriptor != Sha256Of(descriptorBytes)) return ChecksumsFound::Foreign;
    if (!scan.problem.empty()) return bad(scan.problem);
    std::int64_t missing = ordered && scan.nextPiece <= pieceCount ? scan.nextPiece : 0;
    for (std::size_t k = 0; !ordered && missing == 0 && k < scan.seen.size(); ++k) {
        if (!scan.seen[k]) missing = static_cast<std::int64_t>(k) + 1;
    }
    if (missing != 0) return bad("没有列出分割文件" + PieceName(missing));
    if (ordered && !Rewind(failure)) return ChecksumsFound::Bad;
    return ChecksumsFound::Loaded;
}

bool SetChecksums::Rewind(std::string& failure) {
    mAhead.clear();
    if (!mTable.empty()) return true;
    std::error_code ec;
    File again = File::OpenRead(mPath, ec);
    if (ec) {
        failure = "校验文件" + mFileName + "无法读取:" + FailureReason(ec) + "。";
        return false;
    }
    mReader = std::make_unique<LineReader>(std::move(again), static_cast<std::size_t>(kMaxChecksumLineBytes));
    return true;
}

bool SetChecksums::Expected(std::int64_t index, Sha256Digest& digest, std::string& failure) {
    if (!mReader) {
        digest = mTable[static_cast<std::size_t>(index)];
        return true;
    }
    for (;;) {
        if (auto ahead = mAhead.find(index); ahead != mAhead.end()) {
            digest = ahead->second;
            mAhead.erase(ahead);
            return true;
        }
        std::string_view text;
        std::error_code ec;
        std::optional<ChecksumLine> line;
        if (mReader->Next(text, ec) == LineReader::Status::Line) line = ReadChecksumLine(text);
        const std::optional<std::int64_t> number = line ? PieceNumberOf(line->name) : std::nullopt;
        if (!line || (number && (*number > mPieceCount || mAhead.count(*number - 1)))) {
            failure = "校验文件" + mFileName + "在读取过程中被改动了。";
            return false;
        }
        if (number) mAhead.emplace(*number - 1, line->digest);
    }
}

}  // namespace tirnel
