// Grouping a picture's days into month tables.
#include "behaviour/daytables.h"

#include "calendar/yeartables.h"

#include <algorithm>

namespace ortelana {

Slot DayTable::slot(int row, int column) const
{
    return Slot{columnX[std::size_t(column)], rowY[std::size_t(row)], cellWidth, cellHeight};
}

DayTables dayTables(const DayPicture &picture)
{
    const std::vector<SceneCell> &cells = picture.cells();
    DayTables result;
    result.places.resize(cells.size());
    // The days come first, in date order, so a month's days follow one another.
    for (std::size_t i = 0; i < cells.size() && cells[i].day > 0; ++i) {
        const SceneCell &day = cells[i];
        if (result.tables.empty() || result.tables.back().month != day.month) {
            DayTable table;
            table.month = day.month;
            table.name = std::string(MonthName[std::size_t(day.month - 1)]);
            table.cellWidth = day.width;
            table.cellHeight = day.height;
            result.tables.push_back(std::move(table));
        }
        DayTable &table = result.tables.back();
        // The month's first day stands in its first week column.
        const int firstWeek = cells[i - std::size_t(day.day - 1)].week;
        const int column = day.week - firstWeek;
        if (table.columns() <= column) {
            SceneCell header;
            header.week = day.week;   // a cell without a day is a week number
            table.columnHeaders.push_back(spokenName(0, header));
            table.columnX.push_back(day.x);
        }
        result.places[i] = TablePlace{int(result.tables.size()) - 1, day.weekday - 1, column};
    }
    for (std::size_t t = 0; t < result.tables.size(); ++t) {
        DayTable &table = result.tables[t];
        table.rowY.assign(7, 0);
        for (int row = 1; row <= 7; ++row)
            table.rowHeaders.push_back(weekdayName(row));
        table.places.assign(std::size_t(7 * table.columns()), -1);
        table.columnHeaderSlots.resize(std::size_t(table.columns()));
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const TablePlace &place = result.places[i];
            if (cells[i].day > 0 && place.table == int(t)) {
                table.places[std::size_t(place.row * table.columns() + place.column)] = int(i);
                table.rowY[std::size_t(place.row)] = cells[i].y;   // every month has every weekday
            } else if (cells[i].day == 0 && cells[i].month == table.month) {
                // The week number drawn under a column (the week numbers window's).
                const auto found = std::find(table.columnX.begin(), table.columnX.end(), cells[i].x);
                if (found != table.columnX.end())
                    table.columnHeaderSlots[std::size_t(found - table.columnX.begin())] =
                        Slot{cells[i].x, cells[i].y, cells[i].width, cells[i].height};
            }
        }
        // The weekday abbreviations stand in the column left of the first week.
        for (int row = 0; row < 7; ++row)
            table.rowHeaderSlots.push_back(
                Slot{table.columnX.front() - table.cellWidth, table.rowY[std::size_t(row)], table.cellWidth, table.cellHeight});
    }
    return result;
}

} // namespace ortelana
