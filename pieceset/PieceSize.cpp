#include "pieceset/PieceSize.h"

#include "pieceset/SizeText.h"

namespace tirnel {

PieceSize PieceSize::Read(std::string_view text, bool megabytes) {
    const LeadingNumber number = ReadLeadingNumber(text);
    return {std::string(text), megabytes, number.IsBelowOne(), SizeInBytes(number, megabytes)};
}

}  // namespace tirnel
