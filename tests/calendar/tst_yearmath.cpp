// The year model against the worked examples and against independent references:
// the year-by-year weekday sum for every year, <chrono>'s month starts, and the
// chaining of one year into the next.  Plain C++, like the code it tests.
#include "calendar/scene.h"
#include "calendar/sheetgeometry.h"
#include "calendar/weeknumbers.h"
#include "calendar/yearmodel.h"
#include "calendar/yeartables.h"
#include "tally.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

using namespace ortelana;

namespace {

Tally check;

std::string yearText(long long y) { return "year " + std::to_string(y); }

void workedExamples()
{
    struct Row
    {
        long long year;
        int february;
        int start;
        int animal;
        std::string_view name;
        bool victory;
        bool oldStyle;
    };
    static constexpr Row rows[] = {
        {1, 28, 0, 1, "ПЕТУХА", false, true},       {4, 29, 3, 4, "КРЫСЫ", false, true},
        {100, 28, 4, 4, "КРЫСЫ", false, true},      {1899, 28, 6, 3, "КАБАНА", false, true},
        {1900, 28, 0, 4, "КРЫСЫ", false, true},     {1917, 28, 0, 9, "ЗМЕИ", false, true},
        {1918, 28, 1, 10, "ЛОШАДИ", false, false},  {1944, 29, 5, 12, "ОБЕЗЬЯНЫ", false, false},
        {1945, 28, 0, 1, "ПЕТУХА", true, false},    {2000, 29, 5, 8, "ДРАКОНА", true, false},
        {2005, 28, 5, 1, "ПЕТУХА", true, false},    {2016, 29, 4, 12, "ОБЕЗЬЯНЫ", true, false},
        {2100, 28, 4, 12, "ОБЕЗЬЯНЫ", true, false},   {9999600, 29, 5, 12, "ОБЕЗЬЯНЫ", true, false},
        {9999900, 28, 0, 12, "ОБЕЗЬЯНЫ", true, false}, {9999999, 28, 4, 3, "КАБАНА", true, false},
    };
    for (const Row &row : rows) {
        const YearModel m = computeYear(row.year);
        const std::string at = yearText(row.year);
        check(m.februaryDays == row.february, at + ": February");
        check(m.yearStart == row.start, at + ": weekday of 1 January");
        check(m.animal == row.animal, at + ": animal");
        check(m.caption == std::string(" н. э.  ГОД ") + std::string(row.name), at + ": caption " + m.caption);
        check(m.victoryDay == row.victory, at + ": 9 May");
        check(m.offersOldStyle == row.oldStyle, at + ": old-style box");
    }
    // The rabbit's third letter is a Latin capital O, the rest Cyrillic.
    check(computeYear(7).caption == " н. э.  ГОД КР\x4fЛИКА", "the rabbit's Latin O");
}

void drawingStarts()
{
    struct Row
    {
        long long year;
        bool checked;
        int start;
        std::array<int, 12> months;
    };
    static constexpr Row rows[] = {
        {1917, false, 6, {6, 2, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4}},
        {1900, false, 6, {6, 2, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4}},
        {1899, false, 5, {5, 1, 1, 4, 6, 2, 4, 0, 3, 5, 1, 3}},
        {2005, false, 5, {5, 1, 1, 4, 6, 2, 4, 0, 3, 5, 1, 3}},   // box hidden: unchecked counts for nothing
    };
    for (const Row &row : rows) {
        const YearModel m = computeYear(row.year);
        const std::string at = yearText(row.year) + (row.checked ? " checked" : " unchecked");
        check(m.drawingStart(row.checked) == row.start, at + ": drawing start");
        check(m.monthStarts(row.checked) == row.months, at + ": month starts");
    }
}

void monthLayouts()
{
    // January 2006: the 1st alone in column 1, red, on Sunday; 30 and 31 in column 6.
    const YearModel y2006 = computeYear(2006);
    const MonthLayout jan = y2006.layOut(0, y2006.drawingStart(true));
    check(jan.columns == 6 && jan.places[0].column == 1 && jan.places[0].row == 7 && jan.places[0].red,
          "January 2006 begins alone on Sunday");
    check(jan.places[1].column == 2 && jan.places[1].row == 1, "2 January 2006 opens column 2");
    check(jan.places[29].column == 6 && jan.places[30].column == 6, "30 and 31 January 2006 in column 6");
    // 9 May: red from 1945 on, on a Sunday in 2010 and 2021, in the day colour in 1944.
    for (const auto &[year, red] : {std::pair{1944LL, false}, std::pair{1945LL, true}, std::pair{2005LL, true},
                                    std::pair{2010LL, true}, std::pair{2021LL, true}}) {
        const YearModel m = computeYear(year);
        const MonthLayout may = m.layOut(4, m.monthStarts(true)[4]);
        check(may.places[8].red == red, yearText(year) + ": 9 May");
        check(!may.places[9].red || may.places[9].row == 7, yearText(year) + ": only 9 May and Sundays red");
    }
}

void weekNumbers()
{
    // 2005 starts on Saturday: week 1 is the week of 1 January, so January's columns
    // are weeks 1 to 6 and December's first column is week 49.
    const std::array<MonthLayout, 12> months = computeYear(2005).months(true);
    check(firstWeekNumber(months, 1) == 6, "2005: February starts in week 6");
    check(firstWeekNumber(months, 11) == 49, "2005: December starts in week 49");
}

// What a screen reader is told, as both scenes name their cells, found by key.
void spokenNames()
{
    struct Row
    {
        const char *where;
        Scene scene;
        int key;
        std::string name;
    };
    const YearModel y2005 = computeYear(2005), y1917 = computeYear(1917);
    const Row rows[] = {
        {"sheet, 1 January 2005", sheetScene(y2005, true), sheetDayKey(0, 1), "суббота, 1 января 2005 года"},
        {"sheet, 9 May 2005", sheetScene(y2005, true), sheetDayKey(4, 9), "понедельник, 9 мая 2005 года, День Победы"},
        {"sheet, 1 January 1917 unchecked: the row it is drawn in",
         sheetScene(y1917, false), sheetDayKey(0, 1), "воскресенье, 1 января 1917 года"},
        {"weeks, 9 May 2005", weeksScene(y2005, true, 4), 9, "понедельник, 9 мая 2005 года, День Победы, неделя 20"},
        {"weeks, May 2005's first week", weeksScene(y2005, true, 4), WeekKeyBase + 1, "неделя 18"},
    };
    for (const Row &row : rows) {
        std::string said = "<no such cell>";
        for (const SceneCell &cell : row.scene.cells)
            if (cell.key == row.key)
                said = spokenName(row.scene.year, cell);
        check(said == row.name, std::string(row.where) + ": " + said);
    }
}

// The reference is the plain year-by-year sum of the weekday shifts: 2 for a leap year,
// 1 otherwise; and each year's December must run into the next year's 1 January.
void everyYearAgainstTheRunningSum()
{
    long long sum = 0;
    int mismatches = 0;
    for (long long y = kFirstYear; y <= kLastYear; ++y) {
        const YearModel m = computeYear(y);
        if (m.yearStart != int(sum % 7) && ++mismatches <= 5)
            check(false, yearText(y) + ": weekday of 1 January against the running sum");
        // The months as the sheet draws them, with the box checked: the drawing's own chain.
        const int afterDecember = m.months(true)[11].nextStart;
        if (y < kLastYear && afterDecember != ortelana::yearStart(y + 1) && ++mismatches <= 5)
            check(false, yearText(y) + ": December does not run into the next year");
        sum += m.februaryDays == 29 ? 2 : 1;
    }
    check(mismatches == 0, "every year from 1 to 9 999 999");
}

// <chrono> knows nothing of the month chaining: the 1st of every month of years 1 to
// 32 767 (the last year <chrono> counts) against its weekday.
void monthStartsAgainstChrono()
{
    using namespace std::chrono;
    int mismatches = 0;
    for (int y = kFirstYear; y <= 32767; ++y) {
        const std::array<int, 12> starts = computeYear(y).monthStarts(true);
        for (unsigned k = 0; k < 12; ++k) {
            const weekday first{sys_days{year{y} / month{k + 1} / 1}};
            if (starts[k] != int(first.iso_encoding()) - 1 && ++mismatches <= 5)
                check(false, yearText(y) + ": month " + std::to_string(k + 1));
        }
    }
    check(mismatches == 0, "month starts of 1 to 32 767");
}

// Every day the sheet's scene places, its row, its slot and the weekday its spoken
// name gives, against <chrono>'s weekday of that date.  A scene depends on its year
// only through the model, so three whole 400-year cycles hold every case: every
// weekday of 1 January in common and leap years, before and after 1918 and 1945.
void sceneAgainstChrono()
{
    using namespace std::chrono;
    int mismatches = 0;
    for (int y = 1601; y <= 2800; ++y) {
        const Scene scene = sheetScene(computeYear(y), true);
        if (scene.cells.size() != (isLeapYear(y) ? 366u : 365u) && ++mismatches <= 5)
            check(false, yearText(y) + ": number of days");
        for (const SceneCell &cell : scene.cells) {
            const weekday wd{sys_days{year{y} / month(unsigned(cell.month)) / day(unsigned(cell.day))}};
            const int row = int(wd.iso_encoding());   // Monday = 1
            const bool right = cell.weekday == row && cell.row == row - 1
                               && cell.y == MonthCell[std::size_t(cell.month - 1)].Y + sheet::RowHeight * row;
            if (!right && ++mismatches <= 5)
                check(false, yearText(y) + "-" + std::to_string(cell.month) + "-" + std::to_string(cell.day));
        }
    }
    check(mismatches == 0, "every day of 1601 to 2800 in the scene");
}

} // namespace

int main()
{
    workedExamples();
    drawingStarts();
    monthLayouts();
    weekNumbers();
    spokenNames();
    everyYearAgainstTheRunningSum();
    monthStartsAgainstChrono();
    sceneAgainstChrono();
    return check.finish();
}
