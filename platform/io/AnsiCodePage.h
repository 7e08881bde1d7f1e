#pragma once
// The simplified-Chinese ANSI code page (936, GBK) that descriptors store their names in,
// whatever this machine's locale is. Text in the program is UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace tirnel {

// UTF-8 -> code page 936; empty when a character has no place in it or the input is not UTF-8.
std::optional<std::string> ToAnsi(std::string_view utf8);
// Code page 936 -> UTF-8; empty when the bytes are not valid in it.
std::optional<std::string> FromAnsi(std::string_view ansi);

}  // namespace tirnel
