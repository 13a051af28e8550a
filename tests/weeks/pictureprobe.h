// Reading the week numbers window's picture in tests.  Positions are those of the
// window's grid (26-px week columns, 20-px weekday rows, week numbers at y = 140);
// what a slot should hold is judged against the same text drawn alone into a spare
// picture area of the same font, so a slot either matches to the pixel or it does not.
#pragma once

#include "pixelprobe.h"
#include "ui/picturearea.h"

#include <QImage>
#include <QRect>

#include <variant>

namespace weekstest {

using ortelana::PictureArea;
using probe::chronoDayOfYear;
using probe::chronoMonthDays;
using probe::chronoWeekday;
using probe::inkIn;
using probe::isBlank;

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

} // namespace weekstest
