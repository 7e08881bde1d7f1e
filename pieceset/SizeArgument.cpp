#include "pieceset/SizeArgument.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace tirnel {

namespace {

constexpr const char* kHint = "应为整数,可带单位 K、KB、M 或 MB,例如 100、700KB、2M";

// Suffixes by their upper-case spelling.
constexpr std::array<std::pair<std::string_view, bool>, 4> kSuffixes{{
    {"K", false}, {"KB", false}, {"M", true}, {"MB", true}}};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string Upper(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

}  // namespace

SizeArgument ParseSizeArgument(std::string_view text) {
    SizeArgument size;
    const std::size_t end = static_cast<std::size_t>(std::find_if_not(text.begin(), text.end(), IsDigit) - text.begin());
    if (end == 0) {
        size.error = "无法识别分割大小 " + Quoted(text) + ":" + kHint + "。";
        return size;
    }
    const std::string_view rest = text.substr(end);
    size.digits = std::string(text.substr(0, end));
    if (rest.empty()) return size;
    const std::string suffix = Upper(rest);
    for (const auto& [spelling, megabytes] : kSuffixes) {
        if (suffix == spelling) {
            size.megabytes = megabytes;
            return size;
        }
    }
    size.error = "无法识别分割大小 " + Quoted(text) + " 中的 " + Quoted(rest) + ":" + kHint + "。";
    return size;
}

std::string UnitDisagreement(std::string_view text, bool suffixMegabytes) {
    return "分割大小 " + Quoted(text) + " 的单位是 " + (suffixMegabytes ? "MB" : "KB") + ",与 --unit " +
           (suffixMegabytes ? "KB" : "MB") + " 不一致。";
}

}  // namespace tirnel
