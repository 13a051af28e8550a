// UTF-8 (the scene's and the tables' texts) to and from UTF-16 (the wide API).
#pragma once

#include <string>
#include <string_view>

namespace ortelana::win32 {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view wide);

// Returns: the text as bytes of the Cyrillic code page 1251; a character it lacks
// becomes "?".
std::string toCodePage1251(std::wstring_view wide);

} // namespace ortelana::win32
