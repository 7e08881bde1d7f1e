#include "pieceset/SetChecksums.h"

#include "pieceset/ChecksumFile.h"
#include "pieceset/Descriptor.h"
#include "pieceset/FailureText.h"
#include "pieceset/PathText.h"
#include "pieceset/PieceSetFormat.h"
#include "platform/io/File.h"

#include <algorithm>

namespace tirnel {

namespace fs = std::filesystem;

namespace {

// A checksum file holds about 80 bytes a piece; this is room for a million pieces.
constexpr std::int64_t kMaxChecksumBytes = 128 << 20;


}  // namespace

std::string DamagedPieceNotice(const std::string& pieceName) {
    return "分割文件" + pieceName + "已损坏(内容与校验文件不符),请重新获取这个文件后再合并!";
}

ChecksumsFound LoadSetChecksums(const fs::path& descriptorPath, std::string_view descriptorBytes,
                                std::int64_t pieceCount, const std::string& ending,
                                std::vector<Sha256Digest>& pieces, std::string& failure) {
    const std::string fileName = ChecksumFileNameOf(TextFromPath(descriptorPath.filename()));
    const fs::path path = descriptorPath.parent_path() / PathFromText(fileName);
    std::error_code ec;
    // A descriptor name at the file system's limit leaves no room for one.
    const fs::file_type type = fs::symlink_status(path, ec).type();
    if (type == fs::file_type::not_found || ec == std::errc::filename_too_long) return ChecksumsFound::Absent;
    const std::string what = "校验文件" + fileName;
    auto bad = [&](const std::string& text) {
        failure = text;
        return ChecksumsFound::Bad;
    };

    std::string text;
    ReadFileUpTo(path, kMaxChecksumBytes + 1, text, ec);
    if (ec) return bad(what + "无法读取:" + FailureReason(ec) + "," + ending);
    if (static_cast<std::int64_t>(text.size()) > kMaxChecksumBytes) {
        return bad(what + "太大,不是这组分割文件的校验文件," + ending);
    }

    ChecksumParse parse = ParseChecksumFile(text);
    if (parse.badLine != 0) return bad(what + "第" + std::to_string(parse.badLine) + "行格式不对," + ending);

    // Each piece once and the descriptor once; the descriptor may have been renamed since,
    // so its line is the one that names no piece. Nothing is kept per piece that is not
    // listed: a crafted count cannot make this allocate.
    std::vector<std::int64_t> listed;
    const ChecksumLine* descriptorLine = nullptr;
    for (const ChecksumLine& line : parse.lines) {
        const std::optional<std::int64_t> number = PieceNumberOf(line.name);
        if (number && *number <= pieceCount) {
            listed.push_back(*number);
        } else if (!number && !descriptorLine && IsPlainFileName(line.name) && HasDescriptorExtension(line.name)) {
            descriptorLine = &line;
        } else {
            return bad(what + "列出了不属于这组分割文件的" + line.name + "," + ending);
        }
    }
    std::sort(listed.begin(), listed.end());
    for (std::size_t i = 0; i < listed.size(); ++i) {
        const std::int64_t expected = static_cast<std::int64_t>(i) + 1;
        if (listed[i] < expected) return bad(what + "重复列出了分割文件" + PieceName(listed[i]) + "," + ending);
        if (listed[i] != expected) return bad(what + "没有列出分割文件" + PieceName(expected) + "," + ending);
    }
    if (static_cast<std::int64_t>(listed.size()) < pieceCount) {
        return bad(what + "没有列出分割文件" + PieceName(static_cast<std::int64_t>(listed.size()) + 1) + "," + ending);
    }
    if (!descriptorLine) return bad(what + "没有列出描述文件," + ending);
    if (descriptorLine->digest != Sha256Of(descriptorBytes)) return bad("描述文件与" + what + "不符," + ending);

    pieces.assign(static_cast<std::size_t>(pieceCount), Sha256Digest{});
    for (const ChecksumLine& line : parse.lines) {
        if (&line != descriptorLine) pieces[static_cast<std::size_t>(*PieceNumberOf(line.name) - 1)] = line.digest;
    }
    return ChecksumsFound::Loaded;
}

}  // namespace tirnel
