// Reading the week numbers window's picture in tests, at any pixel density.  Positions
// are those of the window's grid (26-px week columns, 20-px weekday rows, week numbers
// at y = 140); what a slot should hold is judged against the same text drawn alone
// into a spare picture area of the same font and density, so a slot either matches to
// the pixel or it does not.
#pragma once

#include "pixelprobe.h"
#include "calendar/scene.h"
#include "ui/picturearea.h"
#include "paint/vbcolor.h"

#include <QImage>
#include <QRect>
#include <QStringList>

#include <variant>

namespace weekstest {

using ortelana::PictureArea;
using probe::chronoDayOfYear;
using probe::chronoMonthDays;
using probe::chronoWeekday;
using probe::inkIn;
using probe::isBlank;
using ortelana::vbColor;
namespace colors = ortelana::colors;

// The box a text written at (26c, 20r) covers, short of the next column's own blank.
inline QRect slotBox(int column, int row0)   // row0: Monday = 0 ... Sunday = 6
{
    return QRect(26 * column + 1, 20 * row0, 25, 20);
}

inline QRect weekBox(int column)
{
    return QRect(26 * column + 1, 140, 25, 20);
}

// A spare picture area shaped like the window's, for drawing what a slot should hold.
class Reference
{
public:
    explicit Reference(PictureArea &like, qreal scale = 1)
        : background(like.BackColor())
    {
        area.setFont(like.font());
        area.resize(like.size());
        area.setImageScale(scale);
    }

    // Clears the spare area.
    void clear() { area.setBackColor(background); }

    // Writes a string or a number at a pen position in a colour.
    void write(QPoint at, const std::variant<QString, long long> &text, QColor colour)
    {
        const auto *s = std::get_if<QString>(&text);
        const std::string written = s ? s->toStdString() : ortelana::writtenNumber(std::get<long long>(text));
        const QRgb rgb = colour.rgb();
        const ortelana::Colour bgr = ortelana::Colour(qBlue(rgb)) << 16 | ortelana::Colour(qGreen(rgb)) << 8 | ortelana::Colour(qRed(rgb));
        area.draw({ortelana::TextItem{at.x(), at.y(), 0, bgr, written}});
    }

    const QImage &image() { return area.image(); }

    // True when `box` (logical pixels) of `picture` equals the same box of the text drawn alone there.
    bool holds(const QImage &picture, const QRect &box, QPoint at,
               const std::variant<QString, long long> &text, QColor colour)
    {
        clear();
        write(at, text, colour);
        const QRect device(box.topLeft() * picture.devicePixelRatio(), box.size() * picture.devicePixelRatio());
        return picture.copy(device) == area.image().copy(device);
    }

private:
    PictureArea area{PictureArea::Border::Sunken};
    QColor background;
};

inline const QStringList kMonths{"Январь", "Февраль", "Март", "Апрель", "Май", "Июнь",
                                 "Июль", "Август", "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};
inline const QStringList kWeekdays{"Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс"};
inline const QColor kDayColour = vbColor(colors::DayNumber);
inline const QColor kRed = vbColor(colors::Red);
inline const QColor kWeekColour = vbColor(0x7A1200);
inline const QColor kLabelColour = vbColor(0xC00000);

// The whole picture a month should show, placed by <chrono> weekdays.  `shift` moves
// every weekday as the unchecked old-style box does (6 = one day earlier).
inline QImage expectedPicture(Reference &ref, int year, int month, int shift)
{
    ref.clear();
    for (int r = 0; r < 7; ++r)
        ref.write({0, 20 * r}, kWeekdays[r], r == 6 ? kRed : kLabelColour);
    const auto placed = [&](int m, int d) { return (chronoWeekday(year, m, d) + shift) % 7; };
    const int first = placed(month, 1);
    int lastColumn = 0;
    for (int day = 1; day <= chronoMonthDays(year, month); ++day) {
        const int row = placed(month, day);
        const int column = (first + day - 1) / 7 + 1;
        const bool red = row == 6 || (year > 1944 && month == 5 && day == 9);
        ref.write({26 * column, 20 * row}, (long long)day, red ? kRed : kDayColour);
        lastColumn = column;
    }
    // Week 1 holds 1 January; a column's week counts from the Monday of week 1.
    const int offset = placed(1, 1);
    for (int column = 1; column <= lastColumn; ++column) {
        const int firstDayOfColumn = column == 1 ? 1 : 7 * (column - 1) - first + 1;
        const int week = (offset + chronoDayOfYear(year, month, firstDayOfColumn)) / 7 + 1;
        ref.write({26 * column, 140}, (long long)week, kWeekColour);
    }
    return ref.image().copy();
}

} // namespace weekstest
