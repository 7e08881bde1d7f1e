#include "pieceset/ChecksumFile.h"

#include "pieceset/NameEscape.h"

#include "pieceset/CheckedMath.h"

#include <limits>
#include <optional>

namespace tirnel {

namespace {

// The tag of the BSD-style line of each kind ("SHA256 (name) = hex").
std::string_view TagOf(HashKind kind) { return kind == HashKind::Md5 ? "MD5" : "SHA256"; }

// The name as a line spells it; empty when it is empty, holds a NUL or is badly escaped.
std::optional<std::string> NameOf(std::string_view text, bool escaped) {
    if (text.empty() || text.find('\0') != std::string_view::npos) return std::nullopt;
    if (!escaped) return std::string(text);
    return UnescapeName(text);
}

// "<hex>  name" or "<hex> *name".
std::optional<ChecksumLine> ReadPlainLine(std::string_view line, bool escaped, HashKind kind) {
    const std::size_t hexLength = 2 * DigestSize(kind);
    if (line.size() < hexLength + 2 || line[hexLength] != ' ') return std::nullopt;
    if (line[hexLength + 1] != ' ' && line[hexLength + 1] != '*') return std::nullopt;
    std::optional<DigestBytes> digest = DigestFromHex(line.substr(0, hexLength), kind);
    std::optional<std::string> name = NameOf(line.substr(hexLength + 2), escaped);
    if (!digest || !name) return std::nullopt;
    return ChecksumLine{std::move(*name), *digest};
}

std::string_view SkipBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    return text;
}

// "SHA256 (name) = <hex>", as sha256sum --tag writes it; like sha256sum -c, the space
// before "(" and the blanks around "=" may be left out, and the name ends at the last ")".
std::optional<ChecksumLine> ReadTaggedLine(std::string_view line, bool escaped, HashKind kind) {
    line.remove_prefix(TagOf(kind).size());
    if (line.starts_with(' ')) line.remove_prefix(1);
    if (!line.starts_with('(')) return std::nullopt;
    line.remove_prefix(1);
    const std::size_t close = line.rfind(')');
    if (close == std::string_view::npos) return std::nullopt;
    std::optional<std::string> name = NameOf(line.substr(0, close), escaped);
    std::string_view rest = SkipBlanks(line.substr(close + 1));
    if (!rest.starts_with('=')) return std::nullopt;
    std::optional<DigestBytes> digest = DigestFromHex(SkipBlanks(rest.substr(1)), kind);
    if (!digest || !name) return std::nullopt;
    return ChecksumLine{std::move(*name), *digest};
}

}  // namespace

std::optional<ChecksumLine> ReadChecksumLine(std::string_view line, HashKind kind) {
    if (line.ends_with('\r')) line.remove_suffix(1);
    const bool escaped = line.starts_with('\\');
    if (escaped) line.remove_prefix(1);
    return line.starts_with(TagOf(kind)) ? ReadTaggedLine(line, escaped, kind) : ReadPlainLine(line, escaped, kind);
}

std::int64_t MaxChecksumFileBytes(std::int64_t pieceCount) {
    const std::optional<std::int64_t> lines = CheckedAdd(pieceCount, 1);
    const std::optional<std::int64_t> bytes = lines ? CheckedMul(*lines, kMaxChecksumLineBytes + 1) : std::nullopt;
    return bytes.value_or(std::numeric_limits<std::int64_t>::max());
}

std::string ChecksumLineText(std::string_view name, const Sha256Digest& digest) {
    const bool escape = NeedsEscape(name);
    return (escape ? "\\" : "") + HexOf(digest) + "  " + (escape ? EscapeName(name) : std::string(name)) + "\n";
}

ChecksumParse ParseChecksumFile(std::string_view text) {
    ChecksumParse result;
    std::size_t number = 0;
    std::size_t start = 0;
    // An empty text is a file cut before its first line.
    while (start < text.size() || number == 0) {
        ++number;
        const std::size_t end = text.find('\n', start);
        std::string_view line = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        start = end == std::string_view::npos ? text.size() : end + 1;
        std::optional<ChecksumLine> read = ReadChecksumLine(line);
        if (!read) {
            result.lines.clear();
            result.badLine = number;
            return result;
        }
        result.lines.push_back(std::move(*read));
    }
    return result;
}

}  // namespace tirnel
