#include "pieceset/NumberedSet.h"

#include "pieceset/PathText.h"

#include <algorithm>

namespace tirnel {

namespace fs = std::filesystem;

namespace {
constexpr int kMinWidth = 3;
}  // namespace

std::optional<NumberedName> ParseNumberedName(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return std::nullopt;
    const std::string_view digits = fileName.substr(dot + 1);
    if (digits.size() < static_cast<std::size_t>(kMinWidth) || digits.size() > 18) return std::nullopt;
    std::int64_t number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + (c - '0');
    }
    if (number < 1) return std::nullopt;
    // The width is the zeros' width; without leading zeros the number may have outgrown it.
    const int width = digits.front() == '0' ? static_cast<int>(digits.size()) : kMinWidth;
    return NumberedName{std::string(fileName.substr(0, dot)), width, number};
}

std::string NumberedPieceName(std::string_view stem, int width, std::int64_t number) {
    std::string digits = std::to_string(number);
    if (digits.size() < static_cast<std::size_t>(width)) digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return std::string(stem) + "." + digits;
}

bool IsFirstNumberedPiece(std::string_view fileName) {
    const std::optional<NumberedName> name = ParseNumberedName(fileName);
    return name && name->number == 1;
}

std::int64_t NumberedSet::Length() const {
    std::int64_t length = 0;
    for (std::int64_t size : sizes) length += size;
    return length;
}

std::optional<std::int64_t> NumberedSet::NumberOf(std::string_view fileName) const {
    const std::optional<NumberedName> name = ParseNumberedName(fileName);
    if (!name || name->stem != stem || name->number > Count() || PieceName(name->number) != fileName) return std::nullopt;
    return name->number;
}

namespace {

// The width a set is numbered with: that of its first piece, ".001" or ".0001" …
std::optional<int> FirstPieceWidth(const fs::path& folder, const NumberedName& name) {
    if (name.width > kMinWidth || name.number == 1) return name.width;
    for (int width = kMinWidth; width <= 6; ++width) {
        if (fs::exists(folder / PathFromText(NumberedPieceName(name.stem, width, 1)))) return width;
    }
    return std::nullopt;
}

// A piece is a regular file of the folder: a link to somewhere else is no piece of it.
bool LinksInsideFolder(const fs::path& link, const fs::path& folder) {
    std::error_code ec;
    const fs::path target = fs::canonical(link, ec);
    return !ec && fs::equivalent(target.parent_path(), folder, ec) && !ec;
}

// The lowest number above `count` of a piece of the set that exists, or 0.
std::int64_t FirstBeyond(const fs::path& folder, const std::string& stem, int width, std::int64_t count) {
    std::int64_t first = 0;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string fileName = TextFromPath(it->path().filename());
        const std::optional<NumberedName> name = ParseNumberedName(fileName);
        if (!name || name->stem != stem || name->number <= count) continue;
        if (NumberedPieceName(stem, width, name->number) != fileName) continue;
        first = first == 0 ? name->number : std::min(first, name->number);
    }
    return first;
}

}  // namespace

std::optional<NumberedSet> FindNumberedSet(const fs::path& folder, const NumberedName& name, const std::string& ending,
                                           std::string& failure) {
    NumberedSet set;
    set.folder = folder;
    set.stem = name.stem;
    const std::optional<int> width = FirstPieceWidth(folder, name);
    if (!width) {
        failure = "找不到第一个分割文件" + NumberedPieceName(name.stem, kMinWidth, 1) + "," + ending;
        return std::nullopt;
    }
    set.width = *width;
    for (std::int64_t number = 1;; ++number) {
        const std::string pieceName = set.PieceName(number);
        const fs::path path = folder / PathFromText(pieceName);
        std::error_code ec;
        // The link itself first: only a link needs a second look, at what it points to.
        const fs::file_status own = fs::symlink_status(path, ec);
        const bool link = own.type() == fs::file_type::symlink;
        const fs::file_status status = link ? fs::status(path, ec) : own;
        if (status.type() == fs::file_type::not_found) break;
        if (number > kMaxNumberedPieces) {
            failure = "分割文件超过" + std::to_string(kMaxNumberedPieces) + "个,这不是一组可以合并的分割文件," + ending;
            return std::nullopt;
        }
        if (status.type() != fs::file_type::regular || (link && !LinksInsideFolder(path, folder))) {
            failure = "分割文件" + pieceName + "不是这个文件夹中的普通文件," + ending;
            return std::nullopt;
        }
        set.sizes.push_back(static_cast<std::int64_t>(fs::file_size(path, ec)));
        if (ec) {
            failure = "无法读取分割文件" + pieceName + "," + ending;
            return std::nullopt;
        }
    }
    if (set.sizes.empty()) {
        failure = "找不到第一个分割文件" + set.PieceName(1) + "," + ending;
        return std::nullopt;
    }
    if (FirstBeyond(folder, set.stem, set.width, set.Count()) != 0) {
        failure = "缺少分割文件" + set.PieceName(set.Count() + 1) + "," + ending;
        return std::nullopt;
    }
    const std::int64_t first = set.sizes.front();
    for (std::size_t i = 1; i < set.sizes.size(); ++i) {
        const bool last = i + 1 == set.sizes.size();
        if (last ? set.sizes[i] > first || set.sizes[i] == 0 : set.sizes[i] != first) set.uniform = false;
    }
    return set;
}

}  // namespace tirnel
