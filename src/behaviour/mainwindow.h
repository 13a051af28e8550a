// The main window's rules, away from any toolkit: the year box's (what a typed
// character does, which texts it may hold, when Enter brings the message of year 0) and
// the window's state: the year confirmed last and the old-style box, Page Up and Down
// and the wheel held to the calendar, the month the week numbers window shows, and what
// the sheet says.  The face turns its events into these calls and draws the scenes.
#pragma once

#include "calendar/scene.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace ortelana {

// What a typed character does, by its code as a Windows text box gets it (signed
// 16-bit; Ctrl+letter gives 1 to 26): digits go in; 8, from Backspace or Ctrl+H alike,
// erases the selection or the character before the caret; the other codes up to 8
// (Ctrl+C is 3) are the box's own; all else is dropped without a word.
enum class Typed { Keep, Erase, Drop };
constexpr Typed typedCharacter(int code) noexcept
{
    return code == 8 ? Typed::Erase : code < 8 || (code >= '0' && code <= '9') ? Typed::Keep : Typed::Drop;
}

// Returns: whether the box may hold `text` (UTF-8): ASCII digits, kYearDigits at most.
// A paste or a drop that would leave anything else is refused whole.
constexpr bool yearTextAllowed(std::string_view text) noexcept
{
    return text.size() <= std::size_t(kYearDigits) && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Returns: whether Enter (with any modifier) on `text` brings the message of year 0
// ("0", "0000"); otherwise the year in the box, if any, is computed.
constexpr bool isYearZero(std::string_view text) noexcept
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c == '0'; });
}

// A notch of the wheel, in the eighths of a degree both toolkits count in.
inline constexpr int WheelNotch = 120;

// Returns: the year the window opens at for the clock's year (0: no clock).
constexpr long long startYear(long long clockYear) noexcept { return std::clamp<long long>(clockYear, kFirstYear, kLastYear); }

class MainWindowState
{
public:
    // Computes the year written in `text`; false, changing nothing, when it names none.
    bool show(std::string_view text)
    {
        const std::optional<long long> value = parseYear(text);
        if (value)
            year = computeYear(*value);
        return value.has_value();
    }
    // Returns: the year `by` years on from the one shown (Page Down +1, Page Up -1) held
    // to the calendar; nothing where that is the year shown, or before the first year.
    std::optional<long long> step(int by) const
    {
        const long long next = std::clamp<long long>(year.year + by, kFirstYear, kLastYear);
        return year.year == 0 || next == year.year ? std::nullopt : std::optional<long long>(next);
    }
    // Adds a turn of the wheel over the sheet (positive away from the user), fine turns
    // adding up to whole notches.  Returns: the years to step, towards the user next.
    int wheel(int delta)
    {
        wheelTravel += delta;
        const int notches = wheelTravel / WheelNotch;   // whole notches, towards zero
        wheelTravel -= notches * WheelNotch;
        return -notches;
    }

    const YearModel &model() const { return year; }
    Scene sheet() const { return sheetScene(year, oldStyle); }
    Scene weeks() const { return weeksScene(year, oldStyle, chosenMonth); }
    // What screen readers call the sheet: the old style is said while it moves every day.
    std::string description() const
    {
        return "Календарь на " + std::to_string(year.year) + " год" + (year.offersOldStyle && oldStyle ? " по старому стилю" : "");
    }
    // The year just drawn with its caption, said where the focus is.
    std::string news() const { return std::to_string(year.year) + year.caption; }

    bool oldStyle = true;   // the box as the user left it, hidden or not
    int chosenMonth = 0;    // the week numbers window's, kept between its openings

private:
    YearModel year;         // year 0: nothing computed yet
    int wheelTravel = 0;    // not yet a whole notch
};

} // namespace ortelana
