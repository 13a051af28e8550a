// Everything a view needs to know of one year, computed in one place: February,
// the weekday of 1 January, whether 9 May is marked, whether the old-style box is
// offered, the animal and its caption, and where each month begins as drawn with
// the box in a given state.  Plain C++: no widgets, no Qt.
#pragma once

#include "calendar/monthlayout.h"
#include "calendar/yearmath.h"

#include <array>
#include <string>

namespace ortelana {

struct YearModel
{
    long long year = 0;        // [1, 9 999 999]
    int februaryDays = 0;      // 28 or 29
    int yearStart = 0;         // [0, 6], weekday of 1 January, Monday = 0
    bool victoryDay = false;   // 9 May is red
    bool offersOldStyle = false;
    int animal = 0;            // [1, 12], index into ZodiacName
    std::string caption;       // UTF-8, the fixed prefix and the animal's name

    // Returns: the days of month m (1 = January ... 12 = December) of this year.
    int monthDays(int m) const noexcept;

    // Returns: the weekday at which the drawing of January begins with the old-style
    // box checked or not (the box counts only where it is offered).
    int drawingStart(bool oldStyleChecked) const noexcept;

    // Returns: the twelve months (0 = January) as the sheet draws them, each month
    // beginning where the one before it ends, January at drawingStart().
    std::array<MonthLayout, 12> months(bool oldStyleChecked) const noexcept;

    // Returns: the weekday of the 1st of each month (0 = January) as drawn.
    std::array<int, 12> monthStarts(bool oldStyleChecked) const noexcept;

    // Returns: the layout of month k (0 = January) whose 1st falls on `first`.
    MonthLayout layOut(int k, int first) const noexcept;
};

// Returns: the model of `year`.  Preconditions: kFirstYear <= year <= kLastYear.
YearModel computeYear(long long year);

// Returns: true when the 9th of month m (1 to 12) is red in a year whose 9 May is marked.
constexpr bool isRedNinth(bool victoryDay, int m) noexcept { return victoryDay && m == 5; }

} // namespace ortelana
