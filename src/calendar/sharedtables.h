// The process-wide tables that the main window writes and the week numbers window
// reads.  Start-up creates the one object and hands it to the windows.
#pragma once

#include <array>

namespace ortelana {

struct SharedTables
{
    // Days of each month, index 1 to 12; entry 2 is set for every computed year.
    std::array<int, 13> MonthDays{0, 31, 0, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

    // Weekday (Monday = 0) of the 1st of each month as last drawn, index 0 to 11.
    std::array<int, 12> MonthStart{};

    // True while the year last computed marks 9 May.
    bool VictoryDay = false;

    // The month last chosen in the week numbers window; outlives the window.
    int ChosenMonth = 0;
};

} // namespace ortelana
