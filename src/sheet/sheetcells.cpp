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

    std::vector<GridCell> cells;
    cells.reserve(366);
    QStringList rows, columns;
    for (int row = 1; row <= 7; ++row)
        rows << weekdayName(row);
    for (int k = 0; k < 12; ++k) {
        const MonthCellCorner corner = MonthCell[std::size_t(k)];
        for (int c = 0; c < WeekColumns; ++c)
            columns << toQString(MonthName[std::size_t(k)]);
        const MonthLayout &layout = months[std::size_t(k)];
        for (int i = 0; i < layout.days; ++i) {
            const DaySlot &slot = layout.places[std::size_t(i)];
            const QRect rect(sheet::dayX(corner.X, slot.column), sheet::dayY(corner.Y, slot.row),
                             sheet::ColumnWidth, sheet::RowHeight);
            cells.push_back({sheetDayKey(k, slot.day), slot.row - 1, k * WeekColumns + slot.column - 1,
                             spokenDay(model.year, k + 1, slot, model.victoryDay), rect.translated(origin)});
        }
    }
    grid.setContent(std::move(cells), rows, columns);
}

} // namespace ortelana
