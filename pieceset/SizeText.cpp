#include "pieceset/SizeText.h"

#include <cmath>
#include <limits>

namespace tirnel {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

// whole × factor + nearest(fraction × factor), or empty beyond 64 bits.
std::optional<std::int64_t> Scaled(const LeadingNumber& n, std::int64_t factor) {
    if (n.tooLarge || n.whole > static_cast<std::uint64_t>(kMax / factor)) return std::nullopt;
    std::int64_t whole = static_cast<std::int64_t>(n.whole) * factor;
    // The whole part is even after scaling by 1024, so rounding the fraction alone keeps
    // ties going to even; for factor 1 add the parity of the whole part back in.
    long double part = n.fraction * static_cast<long double>(factor);
    std::int64_t extra;
    if (factor == 1 && part == 0.5L) {
        extra = (whole % 2 == 0) ? 0 : 1;
    } else {
        extra = static_cast<std::int64_t>(std::nearbyint(part));
    }
    if (whole > kMax - extra) return std::nullopt;
    return whole + extra;
}
}  // namespace

LeadingNumber ReadLeadingNumber(std::string_view text) {
    LeadingNumber n;
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        n.negative = text[i] == '-';
        ++i;
    }
    for (; i < text.size() && (IsDigit(text[i]) || IsBlank(text[i])); ++i) {
        if (IsBlank(text[i])) continue;
        unsigned d = static_cast<unsigned>(text[i] - '0');
        if (n.whole > (std::numeric_limits<std::uint64_t>::max() - d) / 10) n.tooLarge = true;
        else n.whole = n.whole * 10 + d;
    }
    if (i < text.size() && text[i] == '.') {
        long double scale = 0.1L;
        for (++i; i < text.size() && (IsDigit(text[i]) || IsBlank(text[i])); ++i) {
            if (IsBlank(text[i])) continue;
            n.fraction += (text[i] - '0') * scale;
            scale /= 10;
        }
    }
    return n;
}

std::optional<std::int64_t> SizeInBytes(const LeadingNumber& number, bool megabytes) {
    if (number.negative) return std::nullopt;
    std::optional<std::int64_t> bytes = Scaled(number, 1024);
    if (!bytes || !megabytes) return bytes;
    if (*bytes > kMax / 1024) return std::nullopt;
    return *bytes * 1024;
}

std::optional<std::int64_t> RoundedNumber(const LeadingNumber& number) {
    if (number.negative) return std::nullopt;
    return Scaled(number, 1);
}

}  // namespace tirnel
