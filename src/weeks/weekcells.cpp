// The week numbers window's cells.
#include "weeks/weekcells.h"

#include "calendar/monthlayout.h"
#include "calendar/weeknumbers.h"
#include "calendar/yeartables.h"
#include "sheet/daygrid.h"
#include "sheet/dayname.h"
#include "ui/qtext.h"

#include <QWidget>

namespace ortelana {

namespace {
constexpr int WeekRow = 7;          // the row under Sunday
constexpr int WeekKeyBase = 100;    // above any day
} // namespace

void describeWeeks(DayGrid &grid, const SharedTables &tables, int month)
{
    using namespace weeksgrid;
    const QPoint origin = grid.picture()->contentsRect().topLeft();
    const int n = month + 1;
    const MonthLayout layout = layOutMonth(tables.MonthStart[std::size_t(month)], tables.MonthDays[std::size_t(n)],
                                           isRedNinth(tables.VictoryDay, n));
    const int firstWeek = firstWeekNumber(tables, month);
    std::vector<GridCell> cells;
    for (int i = 0; i < layout.days; ++i) {
        const DaySlot &slot = layout.places[std::size_t(i)];
        const QRect rect(ColumnWidth * slot.column, RowHeight * (slot.row - 1), ColumnWidth, RowHeight);
        // The week number in the day's name: the cursor visits days only.
        cells.push_back({slot.day, slot.row - 1, slot.column - 1,
                         spokenDay(tables.Year, n, slot, tables.VictoryDay)
                             + QStringLiteral(", неделя %1").arg(firstWeek + slot.column - 1),
                         rect.translated(origin)});
    }
    QStringList rows, columns;
    for (int c = 1; c <= layout.columns; ++c) {
        const QRect rect(ColumnWidth * c, WeekNumberY, ColumnWidth, RowHeight);
        cells.push_back({WeekKeyBase + c, WeekRow, c - 1, QStringLiteral("неделя %1").arg(firstWeek + c - 1),
                         rect.translated(origin)});
        columns << toQString(MonthName[std::size_t(month)]);
    }
    for (int row = 1; row <= 7; ++row)
        rows << weekdayName(row);
    rows << QStringLiteral("номер недели");
    grid.setHeaders(rows, columns);
    grid.setContent(std::move(cells));
}

} // namespace ortelana
