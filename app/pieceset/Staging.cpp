#include "app/pieceset/Staging.h"

#include "app/pieceset/PathText.h"

#include <cstdio>
#include <random>

namespace tirnel {

std::string NewStagingToken() {
    std::random_device device;
    std::uniform_int_distribution<unsigned long long> pick;
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%012llx", pick(device) & 0xFFFFFFFFFFFFULL);
    return buffer;
}

std::filesystem::path StagingPathFor(const std::filesystem::path& finalPath, std::string_view token) {
    std::string name = "." + TextFromPath(finalPath.filename()) + "." + std::string(token) + ".part";
    return finalPath.parent_path() / PathFromText(name);
}

void CommitStaged(const std::filesystem::path& stagedPath, const std::filesystem::path& finalPath,
                  std::error_code& ec) {
    std::filesystem::rename(stagedPath, finalPath, ec);
}

void DiscardStaged(const std::filesystem::path& stagedPath) {
    std::error_code ignored;
    std::filesystem::remove(stagedPath, ignored);
}

}  // namespace tirnel
