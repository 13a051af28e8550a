// Where things stand on the year sheet: twelve month cells, four across and three
// down, and inside each cell the weekday rows, the week columns and the day area.
// Pixels from the top left of the sheet's drawing area.
#pragma once

#include <array>
#include <cstddef>

namespace ortelana {

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
inline constexpr int WeekColumns = 6;       // per month cell
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
inline constexpr int OuterWidth = MonthCell[11].X + DaysRight + 2 * BorderWidth;
inline constexpr int OuterHeight = MonthCell[11].Y + DaysBottom + 2 * BorderWidth;
inline constexpr int DrawingWidth = OuterWidth - 2 * BorderWidth;
inline constexpr int DrawingHeight = OuterHeight - 2 * BorderWidth;
static_assert(OuterWidth == 633 && OuterHeight == 393);

// Returns: the pen position of a day in week column c (1..6) and row r (1..7).
constexpr int dayX(int cellX, int column) { return cellX + LabelLeft + ColumnWidth * column; }
constexpr int dayY(int cellY, int row) { return cellY + RowHeight * row; }
} // namespace sheet

// The week numbers window's picture: weekday labels left of x = 26, one 26-px column
// per week, one 20-px row per weekday, the week numbers under the Sunday row.
namespace weeksgrid {
inline constexpr int ColumnWidth = 26;
inline constexpr int RowHeight = 20;
inline constexpr int WeekNumberY = 140;
// The cleared day area reaches past the picture's edges; the labels left of it stay.
inline constexpr int ClearLeft = 26;
inline constexpr int ClearRight = 185;
inline constexpr int ClearBottom = 217;
} // namespace weeksgrid

// The printed page: the sheet under a band that carries its title, centred, in a 20-px
// bold face whose line (about 22 px high) stands in the band's middle.
namespace pagetitle {
inline constexpr int Height = 40;
inline constexpr int Pixels = 20;
inline constexpr int Top = 9;
} // namespace pagetitle

} // namespace ortelana
