#include "pieceset/RunReporter.h"

namespace tirnel {

std::string Completion::Text() const {
    std::string text = notice;
    for (const std::string& note : notes) text += "\n" + note;
    return text;
}

}  // namespace tirnel
