// The week numbers window's month as a DayGrid for assistive technologies: the days
// in their weekday rows, named like the sheet's, and under each week column a cell
// «неделя 18» with its running week number.  Also the grid both it and the window's
// drawing follow.
#pragma once

#include "calendar/sharedtables.h"

namespace ortelana {

class DayGrid;

namespace weeksgrid {
// Weekday labels left of x = 26, one 26-px column per week, one 20-px row per
// weekday, the week numbers under the Sunday row.
inline constexpr int ColumnWidth = 26;
inline constexpr int RowHeight = 20;
inline constexpr int WeekNumberY = 140;
} // namespace weeksgrid

// Puts month `month` (0 = January) of the year the tables hold into `grid`, whose
// picture is the window's picture area.
void describeWeeks(DayGrid &grid, const SharedTables &tables, int month);

} // namespace ortelana
