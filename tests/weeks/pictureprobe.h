// Reading the week numbers window's picture in tests.  Positions are those of the
// window's grid (26-px week columns, 20-px weekday rows, week numbers at y = 140);
// what a slot should hold is judged against the same text drawn alone into a spare
// picture area of the same font, so a slot either matches to the pixel or it does not.
#pragma once

#include "ui/picturearea.h"

#include <QImage>
#include <QRect>

#include <chrono>
#include <variant>

namespace weekstest {

using ortelana::PictureArea;

// The box a text written at (26c, 20r) covers, short of the next column's own blank.
inline QRect slotBox(int column, int row0)   // row0: Monday = 0 ... Sunday = 6
{
    return QRect(26 * column + 1, 20 * row0, 25, 20);
}

inline QRect weekBox(int column)
{
    return QRect(26 * column + 1, 140, 25, 20);
}

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

// A spare picture area shaped like the window's, for drawing what a slot should hold.
class Reference
{
public:
    explicit Reference(PictureArea &like)
        : background(like.BackColor())
    {
        area.setFont(like.font());
        area.resize(like.size());
        area.setImageScale(1);
    }

    // Clears the spare area.
    void clear() { area.setBackColor(background); }

    // Writes a string or a number at a pen position in a colour.
    void write(QPoint at, const std::variant<QString, long long> &text, QColor colour)
    {
        area.CurrentX = at.x();
        area.CurrentY = at.y();
        area.ForeColor = colour;
        if (const auto *s = std::get_if<QString>(&text))
            area.Print(*s);
        else
            area.Print(std::get<long long>(text));
    }

    const QImage &image() { return area.image(); }

    // True when `box` of `picture` equals the same box of the text drawn alone there.
    bool holds(const QImage &picture, const QRect &box, QPoint at,
               const std::variant<QString, long long> &text, QColor colour)
    {
        clear();
        write(at, text, colour);
        return picture.copy(box) == area.image().copy(box);
    }

private:
    PictureArea area{PictureArea::Border::Sunken};
    QColor background;
};

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

} // namespace weekstest
