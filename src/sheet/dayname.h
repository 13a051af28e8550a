// How a screen reader names a drawn day: the weekday of the row it is drawn in, the
// date in words and, for a red day whose weekday does not say why it is red, the
// reason: «суббота, 1 января 2005 года», «понедельник, 9 мая 2005 года, День Победы».
#pragma once

#include "calendar/monthlayout.h"

#include <QString>

namespace ortelana {

// Returns: the full weekday name of row `row` (1 = Monday ... 7 = Sunday).
QString weekdayName(int row);

// Returns: the name of the day in `slot` of month `month` (1 to 12) of `year`;
// `victoryDay` says whether 9 May is marked that year.
QString spokenDay(long long year, int month, const DaySlot &slot, bool victoryDay);

} // namespace ortelana
