// The year sheet's day cells.
#include "sheet/sheetcells.h"

#include "calendar/yeartables.h"
#include "sheet/daygrid.h"
#include "sheet/dayname.h"
#include "sheet/yearsheet.h"
#include "ui/qtext.h"

#include <QWidget>

namespace ortelana {

namespace {
constexpr int WeekColumns = 6;   // per month cell
} // namespace

void describeSheet(DayGrid &grid, const YearModel &model, bool oldStyleChecked)
{
    // The sheet's coordinates start inside the picture's border.
    const QPoint origin = grid.picture()->contentsRect().topLeft();
    const std::array<MonthLayout, 12> months = model.months(oldStyleChecked);

    if (grid.rows() == 0) {   // the headers never change
        QStringList rows, columns;
        for (int row = 1; row <= 7; ++row)
            rows << weekdayName(row);
        for (int k = 0; k < 12 * WeekColumns; ++k)
            columns << toQString(MonthName[std::size_t(k / WeekColumns)]);
        grid.setHeaders(rows, columns);
    }

    std::vector<GridCell> cells;
    cells.reserve(366);
    for (int k = 0; k < 12; ++k) {
        const MonthCellCorner corner = MonthCell[std::size_t(k)];
        const MonthLayout &layout = months[std::size_t(k)];
        for (int i = 0; i < layout.days; ++i) {
            const DaySlot &slot = layout.places[std::size_t(i)];
            const QRect rect(sheet::dayX(corner.X, slot.column), sheet::dayY(corner.Y, slot.row),
                             sheet::ColumnWidth, sheet::RowHeight);
            cells.push_back({sheetDayKey(k, slot.day), slot.row - 1, k * WeekColumns + slot.column - 1, QString(),
                             rect.translated(origin)});
        }
    }
    // The key holds the month and the day, the row the weekday as drawn.
    grid.setContent(std::move(cells), [year = model.year, victoryDay = model.victoryDay](const GridCell &cell) {
        DaySlot slot;
        slot.day = cell.key % KeysPerMonth;
        slot.row = cell.row + 1;
        return spokenDay(year, cell.key / KeysPerMonth + 1, slot, victoryDay);
    });
}

} // namespace ortelana
