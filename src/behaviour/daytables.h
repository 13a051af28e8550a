// A picture of days as tables, for screen readers that walk tables: one table for each
// month the picture shows (twelve on the sheet, one in the week numbers window), the
// weekdays as rows and the month's weeks as columns, the weekday names and the week
// numbers as headers, and each place's slot in the scene's pixels.  Read from the cells
// of the drawing, so a table says what stands where it says; nothing here lays out a
// month again.
#pragma once

#include "behaviour/daypicture.h"

#include <string>
#include <vector>

namespace ortelana {

struct Slot
{
    int x = 0, y = 0, width = 0, height = 0;   // width 0: not drawn
};

struct DayTable
{
    int month = 0;   // [1, 12]
    std::string name;   // «Январь»
    std::vector<std::string> rowHeaders;      // «понедельник» ... «воскресенье»
    std::vector<std::string> columnHeaders;   // «неделя 1» ...: the running week of the year
    std::vector<Slot> rowHeaderSlots;         // where the weekday abbreviation stands
    std::vector<Slot> columnHeaderSlots;      // the week number under the column, where drawn
    std::vector<int> places;   // row by row: the index of the day in the picture's cells, or -1

    int rows() const { return int(rowHeaders.size()); }
    int columns() const { return int(columnHeaders.size()); }
    int at(int row, int column) const { return places[std::size_t(row * columns() + column)]; }
    // Returns: the slot of a place, filled or not.
    Slot slot(int row, int column) const;

    std::vector<int> columnX;   // the left edge of each week column
    std::vector<int> rowY;      // the top edge of each weekday row
    int cellWidth = 0, cellHeight = 0;
};

struct TablePlace
{
    int table = -1;   // -1: no day (a week number)
    int row = 0, column = 0;
};

struct DayTables
{
    std::vector<DayTable> tables;   // in the order of the months
    std::vector<TablePlace> places; // one for each of the picture's cells
};

// Returns: the tables of what the picture shows now.
DayTables dayTables(const DayPicture &picture);

} // namespace ortelana
