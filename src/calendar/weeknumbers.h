// The running week number of the year under each week column of a month.  Weeks
// run Monday to Sunday; week 1 is the week that holds 1 January, whatever its
// weekday, and the count runs on to the end of the year (53 or 54), never wrapping.
// Plain C++ over the shared tables: no widgets.
#pragma once

#include "calendar/sharedtables.h"

#include <cstddef>

namespace ortelana {

// Returns: the days from the Monday of week 1 to the 1st of month `month` (0 = January)
// of the year the tables were last drawn for: the weekday of 1 January plus the days
// of the months before.  Preconditions: 0 <= month <= 11.
constexpr int daysBeforeMonth(const SharedTables &tables, int month) noexcept
{
    int count = tables.MonthStart[0];
    for (int n = 1; n <= month; ++n)
        count += tables.MonthDays[static_cast<std::size_t>(n)];
    return count;
}

// Returns: the week number under the first week column of month `month` (0 = January);
// each further column is one more.  Preconditions: 0 <= month <= 11.
constexpr int firstWeekNumber(const SharedTables &tables, int month) noexcept
{
    return daysBeforeMonth(tables, month) / 7 + 1;
}

} // namespace ortelana
