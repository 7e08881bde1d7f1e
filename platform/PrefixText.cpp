#include "platform/PrefixText.h"

namespace tirnel {

PrefixText StripPrefixes(const QString& caption) {
    constexpr QChar kPrefix = u'&';
    PrefixText result;
    result.text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const bool marker = caption[i] == kPrefix && i + 1 < caption.size();
        if (marker) {
            ++i;
            if (caption[i] != kPrefix) result.underlined.push_back(static_cast<int>(result.text.size()));
        }
        result.text += caption[i];
    }
    return result;
}

}  // namespace tirnel
