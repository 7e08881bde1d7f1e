#pragma once
// File names inside one-line-per-file text (checksum files, a commit's journal): a name
// holding a backslash, LF or CR is written with "\\", "\n" and "\r" for them, as GNU
// sha256sum writes such names.

#include <optional>
#include <string>
#include <string_view>

namespace tirnel {

bool NeedsEscape(std::string_view name);
std::string EscapeName(std::string_view name);
// The name an escaped text spells; empty for an escape other than \\, \n, \r or a lone "\"
// at the end.
std::optional<std::string> UnescapeName(std::string_view text);

}  // namespace tirnel
