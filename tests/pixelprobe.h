// Reading pictures and dates in tests: the ink of a region of an image, blank regions,
// weekdays and month lengths from <chrono>, independent of the program's arithmetic,
// and the name a screen reader should hear of a day, in the test's own words.
#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QRect>
#include <QStringList>

#include <chrono>

namespace probe {

// The ink of a region: the pixel farthest from the background, or an invalid colour.
// Glyphs of 16-px bold text have fully covered pixels, so this is the pen colour.
inline QColor inkIn(const QImage &image, const QRect &area, const QColor &background)
{
    const QRect region = area & image.rect();
    QColor best;
    int bestDistance = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int d = qAbs(c.red() - background.red()) + qAbs(c.green() - background.green())
                + qAbs(c.blue() - background.blue());
            if (d > bestDistance) {
                bestDistance = d;
                best = c;
            }
        }
    return bestDistance > 60 ? best : QColor();
}

// The most common colour of a region: what a picture is drawn on.
inline QRgb mostCommon(const QImage &image, const QRect &area)
{
    const QRect region = area & image.rect();
    QHash<QRgb, int> counts;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb common = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        common = it.value() > counts.value(common) ? it.key() : common;
    return common;
}

// True when no pixel of the region differs from the background.
inline bool isBlank(const QImage &image, const QRect &area, const QColor &background)
{
    const QRect region = area & image.rect();
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (image.pixel(x, y) != background.rgb())
                return false;
    return true;
}

// The bounding box of every pixel that `isInk` picks, in image pixels.
template<typename IsInk>
QRect inkBoundsWhere(const QImage &image, IsInk isInk)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isInk(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// The bounding box of every pixel that differs from the background.
inline QRect inkBounds(const QImage &image, const QColor &background)
{
    return inkBoundsWhere(image, [rgb = background.rgb()](QRgb pixel) { return pixel != rgb; });
}

// Returns: a year <chrono> can hold (2000 to 2399) whose calendar is that of `year`:
// the Gregorian calendar repeats every 400 years, 146 097 days, a whole number of weeks.
inline int chronoYear(long long year)
{
    return 2000 + int(((year % 400) + 400) % 400);
}

// Weekday (Monday = 0) of a date, from <chrono>, independent of the program's arithmetic.
inline int chronoWeekday(int year, int month, int day)
{
    using namespace std::chrono;
    const weekday wd{sys_days{std::chrono::year{year} / std::chrono::month(unsigned(month)) / std::chrono::day(unsigned(day))}};
    return int(wd.iso_encoding()) - 1;
}

// Day of the year (1 January = 0) of a date, from <chrono>.
inline int chronoDayOfYear(int year, int month, int day)
{
    using namespace std::chrono;
    const sys_days date{std::chrono::year{year} / std::chrono::month(unsigned(month)) / std::chrono::day(unsigned(day))};
    const sys_days newYear{std::chrono::year{year} / January / 1};
    return int((date - newYear).count());
}

inline int chronoMonthDays(int year, int month)
{
    using namespace std::chrono;
    const year_month_day_last last{std::chrono::year{year} / std::chrono::month(unsigned(month)) / std::chrono::last};
    return int(unsigned(last.day()));
}

// Returns: the name of a day of the sheet as a screen reader should say it, from
// <chrono> and the words written here: «суббота, 1 января 2005 года», and «, День
// Победы» after 9 May from 1945 on.  `shift` moves the weekday as the drawing does
// with the old-style box unchecked (6: one day earlier).
inline QString spokenDay(long long year, int month, int day, int shift = 0)
{
    static const QStringList weekdays{"понедельник", "вторник", "среда", "четверг", "пятница", "суббота", "воскресенье"};
    static const QStringList months{"января", "февраля", "марта", "апреля", "мая", "июня",
                                    "июля", "августа", "сентября", "октября", "ноября", "декабря"};
    const int weekday = (chronoWeekday(chronoYear(year), month, day) + shift) % 7;
    return QStringLiteral("%1, %2 %3 %4 года%5")
        .arg(weekdays[weekday]).arg(day).arg(months[month - 1]).arg(year)
        .arg(year > 1944 && month == 5 && day == 9 ? QStringLiteral(", День Победы") : QString());
}

// Returns: the names of every day of the year, 1 January first.
inline QStringList spokenYear(long long year, int shift = 0)
{
    QStringList names;
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= chronoMonthDays(chronoYear(year), month); ++day)
            names << spokenDay(year, month, day, shift);
    return names;
}

} // namespace probe
