#include "pieceset/NameEscape.h"

namespace tirnel {

bool NeedsEscape(std::string_view name) { return name.find_first_of("\\\n\r") != std::string_view::npos; }

std::string EscapeName(std::string_view name) {
    std::string text;
    text.reserve(name.size() + 2);
    for (char c : name) {
        switch (c) {
            case '\\': text += "\\\\"; break;
            case '\n': text += "\\n"; break;
            case '\r': text += "\\r"; break;
            default: text += c;
        }
    }
    return text;
}

std::optional<std::string> UnescapeName(std::string_view text) {
    std::string name;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            name += text[i];
            continue;
        }
        if (++i == text.size()) return std::nullopt;
        switch (text[i]) {
            case '\\': name += '\\'; break;
            case 'n': name += '\n'; break;
            case 'r': name += '\r'; break;
            default: return std::nullopt;
        }
    }
    return name;
}

}  // namespace tirnel
