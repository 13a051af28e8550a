// A drawing as plain data: what the year sheet or the week numbers window shows for a
// year, made once from the year model and the old-style box, and read by every view
// of it: the window's pictures and the export and print through a Canvas, the
// accessibility tables and the day cursor through its cells.  Nothing else walks a
// month layout, so what is spoken is always what stands where it says.
#pragma once

#include "calendar/canvas.h"
#include "calendar/yearmodel.h"

#include <string>
#include <vector>

namespace ortelana {

// A day, or the week number under a week column, as screen readers and the day cursor
// meet it.
struct SceneCell
{
    int key = 0;             // stays with its day across drawings (see sheetDayKey)
    int row = 0;             // in the table of weekday rows and week columns
    int column = 0;
    int x = 0;               // its slot in the picture's drawing area
    int y = 0;
    int width = 0;
    int height = 0;
    int month = 0;           // [1, 12]
    int day = 0;             // [1, 31]; 0 for a week number
    int weekday = 0;         // [1, 7], Monday = 1: the row it is drawn in
    int week = 0;            // the running week number of its column
    bool victoryDay = false; // a red 9 May
    bool weekInName = false; // its spoken name ends with its week number
};

struct Scene
{
    long long year = 0;
    std::vector<SceneItem> fixedLayer;   // drawn once per picture
    std::vector<SceneItem> dayLayer;     // erases and draws the days of this year
    std::vector<SceneCell> cells;        // days in date order, then week numbers
    std::vector<std::string> rowHeaders;
    std::vector<std::string> columnHeaders;
};

// The key of a day of the sheet: month (0 = January) times 32 plus the day, so keys run
// in date order.  Week numbers in the week numbers window are keyed 100 + column.
inline constexpr int KeysPerMonth = 32;
constexpr int sheetDayKey(int month0, int day) noexcept { return month0 * KeysPerMonth + day; }
inline constexpr int WeekKeyBase = 100;

// Returns: the layer of the year sheet that never changes: the weekday abbreviations
// down each month cell and the month names over them.
std::vector<SceneItem> sheetFixedLayer();

// Returns: the year sheet of `model` drawn with the old-style box in the given state.
Scene sheetScene(const YearModel &model, bool oldStyleChecked);

// Returns: the weekday labels of the week numbers window's picture.
std::vector<SceneItem> weeksFixedLayer();

// Returns: month `month0` (0 = January) of the year as the sheet draws it, with the
// week numbers under its columns, as the week numbers window's picture shows it.
Scene weeksScene(const YearModel &model, bool oldStyleChecked, int month0);

// Returns: the printed page's title over the sheet, «2005 н. э.  ГОД ПЕТУХА», in the
// band above it (pagetitle::Height, from y = 0; the sheet's items stand below it).
std::vector<SceneItem> sheetTitle(const YearModel &model);

// Returns: the stripes of the About window's 80 × 45 picture, drawn on white; the red box
// reaches row 45, one past the picture, and is clipped there.
std::vector<SceneItem> flagStripes();

// Returns: what a screen reader says of a cell: «суббота, 1 января 2005 года»,
// «понедельник, 9 мая 2005 года, День Победы», «неделя 18»; in the week numbers
// window, whose day cursor visits the days only, «…, неделя 18» after a day.
std::string spokenName(long long year, const SceneCell &cell);

// Returns: the full weekday name of row `weekday` (1 = Monday ... 7 = Sunday).
std::string weekdayName(int weekday);

// Returns: a number as the program writes it: a blank (the sign place), the digits,
// a blank, so that numbers of one and two digits share their left edge.
std::string writtenNumber(long long number);

} // namespace ortelana
