#pragma once
// Pieces are always called 001.pe, 002.pe, …: a split into a folder that holds another set
// replaces that set. This finds, before anything is written, every set the split would
// replace there, so the user can be asked, and which pieces no descriptor accounts for.

#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace tirnel {

// A set in the folder that the split replaces.
struct SetInFolder {
    std::string descriptorName;   // as it stands in the folder
    std::string recordedName;     // the file it records; empty when it cannot be read
    std::int64_t pieceCount = 0;  // as far as its descriptor accounts for them (0: unreadable)
    bool hasChecksumFile = false;
    bool sameName = false;        // the new descriptor takes its name
    // The earlier set of the same file (same descriptor name, same recorded name): replacing
    // it is what a re-split means, and nobody is asked.
    bool Earlier(const std::string& recorded) const { return sameName && recordedName == recorded; }
};

// A run of piece numbers, first … last, and how many of them exist.
struct PieceRange {
    std::int64_t count = 0;
    std::int64_t first = 0;
    std::int64_t last = 0;

    void Add(std::int64_t number);
};

struct FolderSurvey {
    // Every set the split replaces, by descriptor name: the one whose descriptor has the new
    // descriptor's name, and, when the folder holds 001.pe (which the split overwrites),
    // every other. A descriptor of any letter case is one; one that cannot be read counts too.
    std::vector<SetInFolder> replaced;
    // The most pieces any of them accounts for.
    std::int64_t accountedPieces = 0;
    // Existing pieces above the new set's count that a replaced set accounts for, in order:
    // they go with the commit.
    std::vector<std::int64_t> surplus;
    // Existing pieces above every count: nobody's, left alone.
    PieceRange stray;

    // True when a set of another file (or one that cannot be read) would be replaced.
    bool ReplacesAnotherSet(const std::string& recordedName) const;
};

// Looks at `folder` for a split whose descriptor is `descriptorName`, into `pieceCount` pieces.
// `ec` is set when the folder cannot be listed.
FolderSurvey SurveyFolder(const std::filesystem::path& folder, const std::string& descriptorName,
                          std::int64_t pieceCount, std::int64_t chunkSize, std::error_code& ec);

// "004.pe" or "004.pe至006.pe".
std::string RangeText(std::int64_t first, std::int64_t last);
// What the question before replacing says: which sets, and what goes with them.
std::string ReplaceSetText(const FolderSurvey& survey, const std::string& recordedName, std::int64_t pieceCount);

}  // namespace tirnel
