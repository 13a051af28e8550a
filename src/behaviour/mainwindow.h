// The main window's state and rules, away from any toolkit: the year confirmed last
// and the old-style box, Page Up and Down and the wheel with the ends of the
// calendar, the month the week numbers window shows, and what the sheet says.  The
// face turns its events into these calls and draws the scenes that come back.
#pragma once

#include "calendar/scene.h"
#include "calendar/yearmodel.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace ortelana {

// A notch of the wheel, in the eighths of a degree both toolkits count in.
inline constexpr int WheelNotch = 120;

// Returns: the year the window opens at for the clock's year (0 when the clock has
// none): held to the calendar, so a clock set to 10 000 opens at 9 999 999.
constexpr long long startYear(long long clockYear) noexcept
{
    return std::clamp<long long>(clockYear, kFirstYear, kLastYear);
}

class MainWindowState
{
public:
    // Computes the year written in `text` (the year box's digits); returns false, and
    // changes nothing, when it names no year of the calendar.
    bool show(std::string_view text);

    // Returns: the year `by` years from the one shown, held to the calendar: Page Down
    // is +1, Page Up -1.  Nothing at the ends of the calendar and before the first year.
    std::optional<long long> step(int by) const;

    // Adds a turn of the wheel over the sheet (WheelNotch a notch, positive away from
    // the user); a fine-grained wheel adds up to whole notches.  Returns: the years to
    // step, towards the user being the next year.
    int wheel(int delta);

    const YearModel &model() const { return year; }
    Scene sheet() const { return sheetScene(year, oldStyle); }
    Scene weeks() const { return weeksScene(year, oldStyle, chosenMonth); }
    // What screen readers call the sheet («Календарь на 1917 год по старому стилю»),
    // and the year just drawn with its caption, said where the focus is.
    std::string description() const;
    std::string news() const;

    bool oldStyle = true;   // the box as the user left it, hidden or not
    int chosenMonth = 0;    // the week numbers window's, kept between its openings

private:
    YearModel year;         // year 0: nothing computed yet
    int wheelTravel = 0;    // not yet a whole notch
};

} // namespace ortelana
