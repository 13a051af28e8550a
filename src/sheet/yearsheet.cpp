// Drawing of the year sheet into its picture area.
#include "sheet/yearsheet.h"

#include "calendar/yeartables.h"
#include "ui/picturearea.h"
#include "ui/qtext.h"
#include "ui/vbcolor.h"

#include <cmath>

namespace ortelana {

namespace {
QString weekdayAbbreviation(int row)   // row 1 (Monday) ... 7 (Sunday)
{
    return toQString(WeekdayAbbreviations).mid(2 * (row - 1), 2);
}
} // namespace

YearSheet::YearSheet(PictureArea &picture, SharedTables &tables)
    : picture(picture), tables(tables)
{
}

void YearSheet::DrawSheet()
{
    PictureArea::Batch batch(picture);
    picture.ForeColor = vbColor(colors::DarkBlue);
    for (int row = 1; row <= 7; ++row) {
        if (row == 7)
            picture.ForeColor = vbColor(colors::Red);
        const QString abbreviation = weekdayAbbreviation(row);
        for (const MonthCellCorner &cell : MonthCell) {
            picture.CurrentX = cell.X + sheet::LabelLeft;
            picture.CurrentY = sheet::dayY(cell.Y, row);
            picture.Print(abbreviation);
        }
    }

    picture.ForeColor = vbColor(colors::Purple);
    for (std::size_t i = 0; i < MonthCell.size(); ++i) {
        const QString name = toQString(MonthName[i]);
        // Centred over the day area; halves go to the even neighbour.
        const double spare = std::nearbyint(double(sheet::NameSpan - picture.TextWidth(name)));
        picture.CurrentX = MonthCell[i].X + sheet::DaysLeft + int(std::nearbyint(spare / 2));
        picture.CurrentY = MonthCell[i].Y;
        picture.Print(name);
    }
    picture.ForeColor = vbColor(colors::DayNumber);
}

void YearSheet::DrawDays(const YearModel &model, bool oldStyleChecked)
{
    PictureArea::Batch batch(picture);
    const QColor background = picture.BackColor();
    const QColor dayColor = vbColor(colors::DayNumber);
    const QColor red = vbColor(colors::Red);

    const std::array<MonthLayout, 12> months = model.months(oldStyleChecked);
    for (std::size_t k = 0; k < MonthCell.size(); ++k) {
        const MonthCellCorner cell = MonthCell[k];
        const MonthLayout &layout = months[k];
        picture.FillBox(cell.X + sheet::DaysLeft, cell.Y + sheet::EraseTop,
                        cell.X + sheet::DaysRight, cell.Y + sheet::DaysBottom, background);
        tables.MonthStart[k] = layout.first;
        for (int i = 0; i < layout.days; ++i) {
            const DaySlot &slot = layout.places[std::size_t(i)];
            picture.CurrentX = sheet::dayX(cell.X, slot.column);
            picture.CurrentY = sheet::dayY(cell.Y, slot.row);
            picture.ForeColor = slot.red ? red : dayColor;
            picture.Print(slot.day);
        }
        picture.ForeColor = dayColor;
    }
}

} // namespace ortelana
