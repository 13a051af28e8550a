// The running week number of the year under each week column of a month.  Weeks
// run Monday to Sunday; week 1 is the week that holds 1 January, whatever its
// weekday, and the count runs on to the end of the year (53 or 54), never wrapping.
#pragma once

#include "calendar/monthlayout.h"

#include <array>
#include <cstddef>

namespace ortelana {

// Returns: the days from the Monday of week 1 to the 1st of month `month` (0 = January)
// of a year drawn as `months`: the weekday January starts at plus the days of the
// months before.  Preconditions: 0 <= month <= 11.
constexpr int daysBeforeMonth(const std::array<MonthLayout, 12> &months, int month) noexcept
{
    int count = months[0].first;
    for (int k = 0; k < month; ++k)
        count += months[static_cast<std::size_t>(k)].days;
    return count;
}

// Returns: the week number under the first week column of month `month` (0 = January);
// each further column is one more.  Preconditions: 0 <= month <= 11.
constexpr int firstWeekNumber(const std::array<MonthLayout, 12> &months, int month) noexcept
{
    return daysBeforeMonth(months, month) / 7 + 1;
}

} // namespace ortelana
