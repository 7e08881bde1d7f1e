#pragma once

// "&" prefixes of a caption as the text calls draw them: "&" is not drawn and underlines the
// next character, "&&" draws one "&", and a lone "&" at the end is drawn as it is.

#include <QString>

#include <vector>

namespace tirnel {

struct PrefixText {
    QString text;                 // what is drawn
    std::vector<int> underlined;  // positions in `text` of the marked characters
};

PrefixText StripPrefixes(const QString& caption);

}  // namespace tirnel
