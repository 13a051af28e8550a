// The year sheet's days as a DayGrid for assistive technologies: seven weekday rows
// and 72 week columns (six per month, January first), every day named from the year
// model and placed at its slot on the sheet, exactly as DrawDays draws it.
#pragma once

#include "calendar/yearmodel.h"

namespace ortelana {

class DayGrid;

// Returns: the key of a day of the sheet, in date order; 1 January is the smallest.
constexpr int sheetDayKey(int month0, int day) noexcept { return month0 * 32 + day; }

// Puts the sheet of `model` with the old-style box in the given state into `grid`,
// whose picture is the sheet's picture area.
void describeSheet(DayGrid &grid, const YearModel &model, bool oldStyleChecked);

} // namespace ortelana
