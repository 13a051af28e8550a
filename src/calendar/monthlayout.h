// Where each day of a month stands in a grid of weekday rows and week columns,
// and which days are red.  Shared by the year sheet and the week numbers window.
#pragma once

#include <array>

namespace ortelana {

struct DaySlot
{
    int day = 0;        // [1, 31]
    int column = 0;     // [1, 6], week column
    int row = 0;        // [1, 7], Monday = 1 ... Sunday = 7
    bool red = false;   // Sundays, and 9 May while it is marked
};

struct MonthLayout
{
    std::array<DaySlot, 31> places{};
    int first = 0;      // [0, 6], weekday of the 1st, Monday = 0
    int days = 0;       // places in use
    int columns = 0;    // [4, 6]
    int nextStart = 0;  // [0, 6], weekday of the 1st of the following month
};

// Returns: the layout of a month of `days` days whose 1st falls on weekday `first`
// (Monday = 0).  `markNinth` makes the 9th red (9 May from 1945 on).
// Preconditions: 0 <= first <= 6, 28 <= days <= 31.
constexpr MonthLayout layOutMonth(int first, int days, bool markNinth) noexcept
{
    MonthLayout layout;
    layout.first = first;
    layout.days = days;
    for (int day = 1; day <= days; ++day) {
        const int place = first + day - 1;                                   // [0, 36]
        DaySlot &slot = layout.places[static_cast<std::size_t>(day - 1)];
        slot.day = day;
        slot.column = place / 7 + 1;                                          // [1, 6]
        slot.row = place % 7 + 1;                                             // [1, 7]
        slot.red = slot.row == 7 || (markNinth && day == 9);
    }
    layout.columns = (first + days - 1) / 7 + 1;
    layout.nextStart = (first + days) % 7;
    return layout;
}

static_assert(layOutMonth(6, 31, false).columns == 6, "a 31-day month from Sunday needs six columns");
static_assert(layOutMonth(0, 28, false).columns == 4, "February from Monday fits four columns");

} // namespace ortelana
