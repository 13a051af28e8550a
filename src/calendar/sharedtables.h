// The process-wide tables.  The main window enters each computed year (takeYear),
// the year sheet's drawing records where each month begins, and the week numbers
// window reads them and keeps the month chosen last.  Start-up creates the one object
// and hands it to the windows.
#pragma once

#include "calendar/yearmodel.h"
#include "calendar/yeartables.h"

#include <array>

namespace ortelana {

struct SharedTables
{
    // Days of each month, index 1 to 12; entry 2 is set for every computed year.
    std::array<int, 13> MonthDays = FixedMonthDays;

    // Weekday (Monday = 0) of the 1st of each month as last drawn, index 0 to 11.
    std::array<int, 12> MonthStart{};

    // The year last computed (0 before the first); screen readers hear it with each day.
    long long Year = 0;

    // True while the year last computed marks 9 May.
    bool VictoryDay = false;

    // The month last chosen in the week numbers window; outlives the window.
    int ChosenMonth = 0;

    // Enters the entries that follow the year computed: the year, February and 9 May.
    void takeYear(const YearModel &model)
    {
        Year = model.year;
        VictoryDay = model.victoryDay;
        MonthDays[2] = model.februaryDays;
    }
};

} // namespace ortelana
