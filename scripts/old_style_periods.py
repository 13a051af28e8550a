#!/usr/bin/env python3
"""Where the sheet shows Julian weekdays, for the help document's «Старый стиль» part.

The sheet is the Gregorian calendar carried back to year 1, with Gregorian month
lengths; unchecking «Старый стиль» moves the whole year one weekday earlier.  For every
date on the sheet from 1 January 1 to 31 December 1917 this compares the weekday the
sheet gives (unshifted, and shifted) with the weekday of the Julian date of the same
day, month and year, by Julian day numbers, and prints the periods where each matches
with the number of days the Julian date lies after the Gregorian one.

Usage: scripts/old_style_periods.py
"""

MONTH_DAYS = (31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31)


def _march_based(year, month):
    a = (14 - month) // 12
    return year + 4800 - a, month + 12 * a - 3


def gregorian_day(year, month, day):
    """Julian day number of a date in the proleptic Gregorian calendar."""
    y, m = _march_based(year, month)
    return day + (153 * m + 2) // 5 + 365 * y + y // 4 - y // 100 + y // 400 - 32045


def julian_day(year, month, day):
    """Julian day number of a date in the Julian calendar."""
    y, m = _march_based(year, month)
    return day + (153 * m + 2) // 5 + 365 * y + y // 4 - 32083


def gregorian_leap(year):
    return year % 4 == 0 and (year % 100 != 0 or year % 400 == 0)


def sheet_dates(last_year):
    """Every date the sheet shows, from 1 January 1 to the end of last_year."""
    for year in range(1, last_year + 1):
        for month in range(1, 13):
            days = MONTH_DAYS[month - 1] + (1 if month == 2 and gregorian_leap(year) else 0)
            for day in range(1, days + 1):
                yield year, month, day


def verdict(date):
    """Which sheet gives the Julian weekday of the date, and the days between them."""
    lag = julian_day(*date) - gregorian_day(*date)
    if lag % 7 == 0:
        return "unshifted (box checked)", lag
    if lag % 7 == 6:
        return "shifted (box unchecked)", lag
    return "neither", lag


def main():
    runs = []  # [kind, first date, last date, set of lags]
    for date in sheet_dates(1917):
        kind, lag = verdict(date)
        if runs and runs[-1][0] == kind:
            runs[-1][2] = date
            runs[-1][3].add(lag)
        else:
            runs.append([kind, date, date, {lag}])
    for kind, first, last, lags in runs:
        lag_text = ", ".join(str(lag) for lag in sorted(lags))
        print("%04d-%02d-%02d .. %04d-%02d-%02d  %-24s Julian later by %s days"
              % (*first, *last, kind, lag_text))


if __name__ == "__main__":
    main()
