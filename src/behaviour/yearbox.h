// The year box's rules, for both faces: what a typed character does, which texts the
// box may hold (a paste or a drop that would leave anything else is refused whole),
// and what Enter does with its text.
#pragma once

#include "calendar/yearmath.h"

#include <algorithm>
#include <string_view>

namespace ortelana {

// What a typed character does, by its code as a Windows text box gets it (a signed
// 16-bit value; Ctrl+letter gives 1 to 26): digits go in; 8, from Backspace or Ctrl+H
// alike, erases the selection or the character before the caret; the other codes up to
// 8 (Ctrl+C is 3) are the box's own; everything else is dropped without a word.
enum class Typed { Keep, Erase, Drop };
constexpr Typed typedCharacter(int code) noexcept
{
    if (code == 8)
        return Typed::Erase;
    return code < 8 || (code >= '0' && code <= '9') ? Typed::Keep : Typed::Drop;
}

// Returns: whether the box may hold `text` (UTF-8): ASCII digits, kYearDigits at most.
constexpr bool yearTextAllowed(std::string_view text) noexcept
{
    return text.size() <= std::size_t(kYearDigits)
           && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// What Enter does (with any modifier): nothing on an empty box; the message of year 0
// when the digits make 0 ("0", "0000"); otherwise the year is computed.
enum class Enter { Nothing, YearZero, NewYear };
constexpr Enter enterPressed(std::string_view text) noexcept
{
    if (text.empty())
        return Enter::Nothing;
    return std::all_of(text.begin(), text.end(), [](char c) { return c == '0'; }) ? Enter::YearZero : Enter::NewYear;
}

} // namespace ortelana
