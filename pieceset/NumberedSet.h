#pragma once
// The sets other splitters make: movie.mkv.001, movie.mkv.002, … (plain consecutive bytes, no
// header), numbered from 1 with three digits or more, all of one width (a number that needs
// more digits than the width takes them, as 1000 follows 999).

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tirnel {

// "movie.mkv.002": stem "movie.mkv", width 3, number 2.
struct NumberedName {
    std::string stem;
    int width = 0;
    std::int64_t number = 0;
};

// A name that ends in "." and three or more digits, numbering a piece from 1; the number is
// spelled with its width's zeros ("0012" is 12 of width 4, "1000" is 1000 of width 3 or 4).
std::optional<NumberedName> ParseNumberedName(std::string_view fileName);
std::string NumberedPieceName(std::string_view stem, int width, std::int64_t number);
// True for a name that can begin such a set ("x.001", "x.0001").
bool IsFirstNumberedPiece(std::string_view fileName);

// The most pieces a numbered set may have.
inline constexpr std::int64_t kMaxNumberedPieces = 100000;

struct NumberedSet {
    std::filesystem::path folder;
    std::string stem;
    int width = 0;
    std::vector<std::int64_t> sizes;  // of piece 1, 2, …
    bool uniform = true;              // every piece but the last of one size, the last no larger

    std::int64_t Count() const { return static_cast<std::int64_t>(sizes.size()); }
    std::string PieceName(std::int64_t number) const { return NumberedPieceName(stem, width, number); }
    std::int64_t Length() const;
    // The number of the piece a file name in the folder names, when it names one of the set.
    std::optional<std::int64_t> NumberOf(std::string_view fileName) const;
};

// The set `name` belongs to, in `folder`: its first piece, then every consecutive number up to
// the first that is missing, which ends the set. Empty, with the notice in `failure` (ending
// in `ending`), when there is no first piece, a piece is missing before a later one that
// exists, there are too many, or a piece is not a regular file inside the folder.
std::optional<NumberedSet> FindNumberedSet(const std::filesystem::path& folder, const NumberedName& name,
                                           const std::string& ending, std::string& failure);

}  // namespace tirnel
