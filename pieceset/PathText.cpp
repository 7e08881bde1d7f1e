#include "pieceset/PathText.h"

#include <algorithm>

namespace tirnel {

namespace {
bool IsSeparator(char c) { return c == kSeparator || c == '/'; }
std::size_t LastSeparator(std::string_view path) {
    for (std::size_t i = path.size(); i-- > 0;) {
        if (IsSeparator(path[i])) return i;
    }
    return std::string_view::npos;
}
}  // namespace

void AddBackslash(std::string& path) {
    if (path.empty() || path.back() != kSeparator) path += kSeparator;
}

std::string WithBackslash(std::string path) {
    AddBackslash(path);
    return path;
}

std::string_view TrimTrailingSpaces(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

std::string FileNameOf(std::string_view path) {
    std::size_t sep = LastSeparator(path);
    return std::string(sep == std::string_view::npos ? path : path.substr(sep + 1));
}

std::string FolderOf(std::string_view path) {
    std::size_t sep = LastSeparator(path);
    return sep == std::string_view::npos ? std::string() : std::string(path.substr(0, sep + 1));
}

std::filesystem::path PathFromText(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string TextFromPath(const std::filesystem::path& path) {
    std::u8string s = path.u8string();
    return std::string(s.begin(), s.end());
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
        return lower(x) == lower(y);
    });
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

bool IsOrdinaryFile(const std::filesystem::path& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

bool IsFolder(const std::filesystem::path& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_directory(path, ec);
}

}  // namespace tirnel
