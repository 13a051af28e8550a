// Year arithmetic of the Gregorian calendar carried back to year 1: leap years,
// the weekday of 1 January, the twelve-year animal and the old-style drawing start.
// Plain C++: no widgets, no Qt.
#pragma once

#include <chrono>
#include <optional>
#include <string_view>

namespace ortelana {

// The years the calendar shows, everywhere: the year box, the command line, stepping.
inline constexpr int kFirstYear = 1;
inline constexpr int kLastYear = 9'999'999;

// Returns: the number of decimal digits of n.  Preconditions: n >= 0.
constexpr int decimalDigits(long long n) noexcept { return n < 10 ? 1 : 1 + decimalDigits(n / 10); }

// The most digits a year is written with: the year box's width.
inline constexpr int kYearDigits = decimalDigits(kLastYear);
static_assert(kYearDigits == 7);

// Returns: the year written in `text` as the year box and the command line take it:
// one to kYearDigits ASCII digits, from kFirstYear to kLastYear; or nothing.
constexpr std::optional<long long> parseYear(std::string_view text) noexcept
{
    if (text.empty() || text.size() > std::size_t(kYearDigits))
        return std::nullopt;
    long long year = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        year = year * 10 + (c - '0');
    }
    if (year < kFirstYear || year > kLastYear)
        return std::nullopt;
    return year;
}

// Returns: true when y is a leap year: divisible by 4, and not by 100 unless by 400.
constexpr bool isLeapYear(long long y) noexcept
{
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}

// Returns: the days of February of year y, 28 or 29.
constexpr int februaryDays(long long y) noexcept { return isLeapYear(y) ? 29 : 28; }

// Returns: the weekday of 1 January of year y, Monday = 0 ... Sunday = 6.
// Preconditions: y >= 1.
// 400 Gregorian years hold exactly 20 871 weeks, so year y begins on the same weekday
// as its counterpart in years 1 to 400; that keeps the cost constant for any year and
// the date inside the range that <chrono> covers.
constexpr int yearStart(long long y) noexcept
{
    using namespace std::chrono;
    const int inCycle = static_cast<int>((y - 1) % 400) + 1;               // [1, 400]
    const weekday first{sys_days{year{inCycle} / January / 1}};
    return static_cast<int>(first.iso_encoding()) - 1;                      // [0, 6]
}

// Returns: the animal of year y in the twelve-year cycle, 1 (rooster) ... 12 (monkey),
// counted from the year number alone.  Preconditions: y >= 1.
constexpr int animalIndex(long long y) noexcept
{
    const int c = static_cast<int>(y % 12);                                  // [0, 11]
    return c == 0 ? 12 : c;
}

// Returns: true when 9 May of year y is marked (from 1945 on).
constexpr bool isVictoryDayYear(long long y) noexcept { return y > 1944; }

// Returns: true when the old-style box is offered for year y (before 1918).
constexpr bool offersOldStyle(long long y) noexcept { return y < 1918; }

// Returns: the weekday (0 to 6) at which the drawing of January begins.  While the
// old-style box is offered and unchecked, the whole year moves one weekday earlier;
// in every other case the drawing starts at the weekday of 1 January.
// Preconditions: 0 <= start <= 6.
constexpr int drawingStart(int start, bool boxShown, bool boxChecked) noexcept
{
    if (!boxShown)
        return start;
    return (start + (boxChecked ? 1 : 0) - 1 + 7) % 7;                      // [0, 6]
}

static_assert(yearStart(1) == 0, "1 January of year 1 is a Monday");
static_assert(yearStart(2005) == 5, "1 January 2005 is a Saturday");
static_assert(yearStart(401) == yearStart(1), "the 400-year cycle");

} // namespace ortelana
