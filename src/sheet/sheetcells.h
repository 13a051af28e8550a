// The year sheet's days as a DayGrid for assistive technologies: seven weekday rows
// and 72 week columns (six per month, January first), every day named from the year
// model and placed at its slot on the sheet, exactly as DrawDays draws it.
#pragma once

#include "calendar/yearmodel.h"

namespace ortelana {

class DayGrid;

// The key of a day of the sheet: month (0 = January) times 32 plus the day, so keys run
// in date order and a key's month is key / KeysPerMonth.
inline constexpr int KeysPerMonth = 32;
constexpr int sheetDayKey(int month0, int day) noexcept { return month0 * KeysPerMonth + day; }

// Puts the sheet of `model` with the old-style box in the given state into `grid`,
// whose picture is the sheet's picture area.
void describeSheet(DayGrid &grid, const YearModel &model, bool oldStyleChecked);

} // namespace ortelana
