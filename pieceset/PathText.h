#pragma once
// Paths as the window's boxes hold them: UTF-8 text, folders ending in the separator.

#include <filesystem>
#include <string>
#include <string_view>

namespace tirnel {

// The separator a folder text ends in: "/" here, "\" on Windows.
inline constexpr char kSeparator = static_cast<char>(std::filesystem::path::preferred_separator);

// Appends the separator unless the path already ends in it (an empty path becomes "/").
void AddBackslash(std::string& path);
std::string WithBackslash(std::string path);

// The text without its trailing spaces.
std::string_view TrimTrailingSpaces(std::string_view text);

// The text after the last separator.
std::string FileNameOf(std::string_view path);
// The text up to and including the last separator ("" when there is none).
std::string FolderOf(std::string_view path);

std::filesystem::path PathFromText(std::string_view utf8);
std::string TextFromPath(const std::filesystem::path& path);

// The same text when ASCII letters are compared without regard to case, as FAT and exFAT
// compare file names.
bool EqualIgnoringCase(std::string_view a, std::string_view b);

// Both paths name one existing file (by its identity: links followed, and spellings the file
// system takes for the same name).
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// An existing regular file (links followed) / an existing folder.
bool IsOrdinaryFile(const std::filesystem::path& path);
bool IsFolder(const std::filesystem::path& path);

}  // namespace tirnel
