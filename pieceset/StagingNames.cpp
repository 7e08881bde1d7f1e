#include "pieceset/StagingNames.h"

#include "pieceset/PathText.h"

#include <cstdio>
#include <random>

namespace tirnel {

namespace {

constexpr std::string_view kPrefix = ".tirnel-";
constexpr std::string_view kStagedSuffix = ".part";
constexpr std::string_view kAsideSuffix = ".old";
constexpr std::string_view kJournalSuffix = ".journal";
constexpr std::size_t kTokenLength = 12;

// ".tirnel-<token>-<slot><suffix>".
std::string HiddenName(std::string_view token, std::string_view slot, std::string_view suffix) {
    return std::string(kPrefix) + std::string(token) + "-" + std::string(slot) + std::string(suffix);
}

bool IsToken(std::string_view text) {
    if (text.size() != kTokenLength) return false;
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    }
    return true;
}

}  // namespace

std::string NewStagingToken() {
    std::random_device device;
    std::uniform_int_distribution<unsigned long long> pick;
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%012llx", pick(device) & 0xFFFFFFFFFFFFULL);
    return buffer;
}

std::string StagingName(std::string_view token, std::string_view slot) {
    return HiddenName(token, slot, kStagedSuffix);
}

std::filesystem::path StagingPath(const std::filesystem::path& folder, std::string_view token, std::string_view slot) {
    return folder / PathFromText(StagingName(token, slot));
}

std::string AsideName(std::string_view token, std::string_view slot) { return HiddenName(token, slot, kAsideSuffix); }

std::string JournalName(std::string_view token) {
    return std::string(kPrefix) + std::string(token) + std::string(kJournalSuffix);
}

bool IsStagingName(std::string_view name) {
    if (!name.starts_with(kPrefix)) return false;
    name.remove_prefix(kPrefix.size());
    if (name.ends_with(kStagedSuffix)) name.remove_suffix(kStagedSuffix.size());
    else if (name.ends_with(kAsideSuffix)) name.remove_suffix(kAsideSuffix.size());
    else return false;
    if (name.size() < kTokenLength + 2 || name[kTokenLength] != '-' || !IsToken(name.substr(0, kTokenLength))) {
        return false;
    }
    for (char c : name.substr(kTokenLength + 1)) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'))) return false;
    }
    return true;
}

bool IsAsideName(std::string_view name) { return IsStagingName(name) && name.ends_with(kAsideSuffix); }

std::string TokenOfJournal(std::string_view name) {
    if (!name.starts_with(kPrefix) || !name.ends_with(kJournalSuffix)) return "";
    name.remove_prefix(kPrefix.size());
    name.remove_suffix(kJournalSuffix.size());
    return IsToken(name) ? std::string(name) : "";
}

}  // namespace tirnel
