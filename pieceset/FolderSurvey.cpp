#include "pieceset/FolderSurvey.h"

#include "pieceset/ChecksumFile.h"
#include "pieceset/Descriptor.h"
#include "pieceset/PathText.h"
#include "pieceset/PieceSetFormat.h"

#include <algorithm>

namespace tirnel {

namespace fs = std::filesystem;

void PieceRange::Add(std::int64_t number) {
    first = count == 0 ? number : std::min(first, number);
    last = count == 0 ? number : std::max(last, number);
    ++count;
}

bool FolderSurvey::ReplacesAnotherSet(const std::string& recordedName) const {
    return std::any_of(replaced.begin(), replaced.end(),
                       [&](const SetInFolder& set) { return !set.Earlier(recordedName); });
}

namespace {

// What one listing of the folder finds: its descriptors, by name, and the numbers of the
// pieces above the new set's count.
struct Listing {
    std::vector<std::string> descriptors;
    std::vector<std::int64_t> piecesAbove;
};

Listing ListFolder(const fs::path& folder, std::int64_t pieceCount, std::error_code& ec) {
    Listing listing;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = TextFromPath(it->path().filename());
        if (HasDescriptorExtension(name) && IsOrdinaryFile(it->path())) listing.descriptors.push_back(name);
        const std::optional<std::int64_t> number = PieceNumberOf(name);
        if (number && *number > pieceCount) listing.piecesAbove.push_back(*number);
    }
    std::sort(listing.descriptors.begin(), listing.descriptors.end());
    return listing;
}

}  // namespace

FolderSurvey SurveyFolder(const fs::path& folder, const std::string& descriptorName, std::int64_t pieceCount,
                          std::int64_t chunkSize, std::error_code& ec) {
    FolderSurvey survey;
    const Listing listing = ListFolder(folder, pieceCount, ec);
    if (ec) return survey;
    const fs::path own = folder / PathFromText(descriptorName);
    const bool firstPieceThere = IsOrdinaryFile(folder / PieceName(1));
    for (const std::string& name : listing.descriptors) {
        const fs::path path = folder / PathFromText(name);
        SetInFolder set;
        set.descriptorName = name;
        set.sameName = name == descriptorName || SameFile(path, own);
        if (!set.sameName && !firstPieceThere) continue;
        std::string bytes, failure;
        if (std::optional<DescribedSet> described = ReadDescriptorFile(path, bytes, failure, chunkSize)) {
            set.recordedName = described->name;
            set.pieceCount = described->shape.pieceCount;
        }
        set.hasChecksumFile = IsOrdinaryFile(folder / PathFromText(ChecksumFileNameOf(name)));
        survey.accountedPieces = std::max(survey.accountedPieces, set.pieceCount);
        survey.replaced.push_back(std::move(set));
    }
    // The pieces above the new set's count go with a replaced set that accounts for them;
    // the others are nobody's, and stay.
    for (const std::int64_t number : listing.piecesAbove) {
        if (number <= survey.accountedPieces) survey.surplus.push_back(number);
        else survey.stray.Add(number);
    }
    std::sort(survey.surplus.begin(), survey.surplus.end());
    return survey;
}

std::string RangeText(std::int64_t first, std::int64_t last) {
    return first == last ? PieceName(first) : PieceName(first) + "至" + PieceName(last);
}

std::string ReplaceSetText(const FolderSurvey& survey, const std::string& recordedName, std::int64_t pieceCount) {
    std::string sets, replaced, removed;
    int others = 0;
    for (const SetInFolder& set : survey.replaced) {
        if (!set.Earlier(recordedName)) {
            ++others;
            sets += std::string(sets.empty() ? "" : ";") + "描述文件" + set.descriptorName +
                    (set.recordedName.empty() ? ",无法读取" : ",记录的文件是" + set.recordedName);
        }
        if (set.sameName) {
            replaced += "描述文件" + set.descriptorName + "、";
            continue;
        }
        removed += (removed.empty() ? "描述文件" : "、描述文件") + set.descriptorName;
        if (set.hasChecksumFile) removed += "、校验文件" + ChecksumFileNameOf(set.descriptorName);
    }
    if (!survey.surplus.empty()) {
        removed += (removed.empty() ? "分割文件" : "和分割文件") + RangeText(survey.surplus.front(), survey.surplus.back());
    }
    std::string text = others == 1 ? "目标文件夹中已有另一组分割文件(" + sets + ")。"
                                   : "目标文件夹中已有" + std::to_string(others) + "组其他分割文件(" + sets + ")。";
    text += "继续分割会替换" + replaced + "同名的分割文件" + RangeText(1, pieceCount);
    if (!removed.empty()) text += ",并删除" + removed;
    return text + "。";
}

}  // namespace tirnel
