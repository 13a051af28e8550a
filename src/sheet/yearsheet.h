// The year sheet: twelve month cells, four across and three down.  DrawSheet draws
// the layer that never changes (weekday abbreviations, month names); DrawDays erases
// and redraws the day numbers of every month and records where each month begins.
#pragma once

#include "calendar/sharedtables.h"
#include "calendar/yearmodel.h"

#include <QSize>

#include <array>

namespace ortelana {

class PictureArea;

struct MonthCellCorner
{
    int X = 0;
    int Y = 0;
};

namespace sheet {
// Month cells stand four across and three down, this far apart.
inline constexpr int CellWidth = 158;
inline constexpr int CellHeight = 132;
inline constexpr int CellsAcross = 4;
} // namespace sheet

// Top-left corners of the month cells, January to December, row by row.
inline constexpr std::array<MonthCellCorner, 12> MonthCell = [] {
    std::array<MonthCellCorner, 12> cells{};
    for (int i = 0; i < 12; ++i)
        cells[static_cast<std::size_t>(i)] = {(i % sheet::CellsAcross) * sheet::CellWidth,
                                              (i / sheet::CellsAcross) * sheet::CellHeight};
    return cells;
}();

// Geometry inside a cell, relative to its corner.
namespace sheet {
inline constexpr int RowHeight = 16;        // weekday rows
inline constexpr int ColumnWidth = 22;      // week columns
inline constexpr int LabelLeft = 4;         // weekday abbreviations
inline constexpr int DaysLeft = 28;         // day area, also the span a month name centres on
inline constexpr int DaysRight = 155;
inline constexpr int DaysTop = 19;
// The erase starts one row above the day area: on a 1x image that row is always
// blank, but at higher densities the unhinted tops of the first row's digits reach
// half a pixel above the day area and would survive the next redraw.
inline constexpr int EraseTop = DaysTop - 1;
inline constexpr int DaysBottom = 125;
inline constexpr int NameSpan = 127;

// The picture box around the sheet: a 2-px sunken border on every side.  The last
// column and row of the last cell's day area fall on the border, so the box's inside
// is filled to the edge.
inline constexpr int BorderWidth = 2;
inline constexpr QSize OuterSize{MonthCell[11].X + DaysRight + 2 * BorderWidth,
                                 MonthCell[11].Y + DaysBottom + 2 * BorderWidth};
static_assert(OuterSize == QSize(633, 393));

// Returns: the pen position of a day in week column c (1..6) and row r (1..7).
constexpr int dayX(int cellX, int column) { return cellX + LabelLeft + ColumnWidth * column; }
constexpr int dayY(int cellY, int row) { return cellY + RowHeight * row; }
} // namespace sheet

class YearSheet
{
public:
    YearSheet(PictureArea &picture, SharedTables &tables);

    // Draws the abbreviations and month names; leaves the pen at the day colour.
    void DrawSheet();

    // Erases each month's day area and draws the year's months as the model lays them
    // out with the old-style box in the given state; rewrites MonthStart to match.
    void DrawDays(const YearModel &model, bool oldStyleChecked);

private:
    PictureArea &picture;
    SharedTables &tables;
};

} // namespace ortelana
