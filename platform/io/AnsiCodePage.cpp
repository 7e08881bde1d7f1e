#include "platform/io/AnsiCodePage.h"

#if __has_include(<iconv.h>)
#include <cerrno>
#include <iconv.h>

namespace tirnel {

namespace {
std::optional<std::string> Convert(const char* to, const char* from, std::string_view in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out(in.size() * 2 + 8, '\0');
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    std::size_t used = 0;
    bool ok = true;
    while (inLeft > 0) {
        char* outPtr = out.data() + used;
        std::size_t outLeft = out.size() - used;
        std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        used = out.size() - outLeft;
        if (r == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG) {
                out.resize(out.size() * 2);
                continue;
            }
            ok = false;  // EILSEQ or EINVAL: not representable or cut short
            break;
        }
        if (r > 0) {  // irreversible conversions: a character was replaced
            ok = false;
            break;
        }
    }
    iconv_close(cd);
    if (!ok) return std::nullopt;
    out.resize(used);
    return out;
}
}  // namespace

std::optional<std::string> ToAnsi(std::string_view utf8) { return Convert("CP936", "UTF-8", utf8); }
std::optional<std::string> FromAnsi(std::string_view ansi) { return Convert("UTF-8", "CP936", ansi); }

}  // namespace tirnel

#else  // Without iconv only plain ASCII passes; everything else is refused rather than guessed.

namespace tirnel {
namespace {
std::optional<std::string> AsciiOnly(std::string_view text) {
    for (unsigned char c : text) {
        if (c >= 0x80) return std::nullopt;
    }
    return std::string(text);
}
}  // namespace
std::optional<std::string> ToAnsi(std::string_view utf8) { return AsciiOnly(utf8); }
std::optional<std::string> FromAnsi(std::string_view ansi) { return AsciiOnly(ansi); }
}  // namespace tirnel
#endif
