#include "pieceset/NumberedSource.h"

#include "pieceset/PieceSetFormat.h"

namespace tirnel {

std::optional<NumberedSource> OpenNumberedSet(const std::filesystem::path& folder, const NumberedName& pieceName,
                                              const std::string& ending, std::string& failure) {
    std::optional<NumberedSet> set = FindNumberedSet(folder, pieceName, ending, failure);
    if (!set) return std::nullopt;
    NumberedSource source{std::move(*set), {}, false, {}};
    switch (LoadNumberedChecksums(source.set, ending, source.checksums, failure)) {
    case ChecksumsFound::Bad: return std::nullopt;
    case ChecksumsFound::Loaded: source.verified = true; break;
    case ChecksumsFound::Absent:
    case ChecksumsFound::Foreign: break;
    }
    // Pieces of different sizes are one set only when a checksum file vouches for each.
    if (!source.set.uniform && source.checksums.pieces.empty()) {
        failure = "分割文件的大小不一致,不是同一组分割文件," + ending;
        return std::nullopt;
    }
    const std::optional<std::int64_t>& recorded = source.checksums.wholeSize;
    if (recorded && *recorded != source.set.Length()) {
        failure = "分割文件的总大小与校验文件" + source.checksums.fileName + "记录的大小不同," + ending;
        return std::nullopt;
    }
    source.outputName = source.checksums.recordedName.empty() ? source.set.stem : source.checksums.recordedName;
    if (source.set.NumberOf(source.outputName) || IsPieceOfSet(source.outputName, source.set.Count())) {
        failure = "合并出的文件会覆盖分割文件," + ending;
        return std::nullopt;
    }
    return source;
}

}  // namespace tirnel
