// The behaviour table: what the windows do, whichever face shows them: keys in the year
// box, Enter, stepping at the ends of the calendar, the wheel, the day cursor's moves,
// the texts said after a step, the layouts and the redirect page's names.  Plain C++,
// like the layer it tests; it runs under Wine too.
#include "behaviour/daypicture.h"
#include "behaviour/daytables.h"
#include "behaviour/mainwindow.h"
#include "behaviour/redirectpage.h"
#include "behaviour/words.h"
#include "tally.h"

#include <chrono>
#include <set>
#include <string>
#include <vector>

using namespace ortelana;

namespace {

Tally check;

void yearBox()
{
    const struct { int code; Typed typed; } characters[] = {
        {'0', Typed::Keep}, {'9', Typed::Keep}, {3, Typed::Keep}, {1, Typed::Keep}, {-1, Typed::Keep},
        {8, Typed::Erase}, {'-', Typed::Drop}, {'.', Typed::Drop}, {' ', Typed::Drop}, {'a', Typed::Drop},
        {22, Typed::Drop}, {24, Typed::Drop}, {13, Typed::Drop}, {127, Typed::Drop}, {0x0430, Typed::Drop},
    };
    for (const auto &row : characters)
        check(typedCharacter(row.code) == row.typed, "typed: code " + std::to_string(row.code));
    // A paste stands only when it leaves digits, seven at most.
    const struct { const char *text; bool allowed; } texts[] = {
        {"2005", true}, {"", true}, {"1234567", true}, {"0000000", true}, {"12345678", false}, {"-5", false},
        {"20 05", false}, {"2005\r\n", false}, {"1e3", false}, {"١٢٣", false}, {"12.5", false},
    };
    for (const auto &row : texts)
        check(yearTextAllowed(row.text) == row.allowed, std::string("box holds \"") + row.text + "\"");
    // Enter: the message of year 0, or the year computed (none for an empty box).
    const struct { const char *text; bool zero; long long year; } enters[] = {
        {"", false, 0}, {"0", true, 0}, {"0000000", true, 0}, {"007", false, 7}, {"1917", false, 1917},
        {"9999999", false, 9999999},
    };
    for (const auto &row : enters) {
        MainWindowState state;
        const bool shown = !isYearZero(row.text) && state.show(row.text);
        check(isYearZero(row.text) == row.zero && state.model().year == (shown ? row.year : 0),
              std::string("Enter on \"") + row.text + "\"");
    }
    check(std::string(words::ZeroYear) == "Нулевого года не существует." && std::string(words::ErrorTitle) == "Ошибка",
          "the message of year 0");
}

// Page Up and Down, and the wheel (a notch is 120, towards the user is negative).
void stepping()
{
    // Page Down or Up (`by`), or the wheel's turns; `expected` 0: the year stays.
    const struct { const char *start; std::vector<int> wheel; int by; long long expected; } rows[] = {
        {"2005", {}, 1, 2006}, {"2005", {}, -1, 2004}, {"9999999", {}, 1, 0}, {"1", {}, -1, 0},
        {"", {}, 1, 0}, {"9999998", {-240}, 0, 9999999}, {"1917", {-120}, 0, 1918}, {"1918", {120}, 0, 1917},
        {"2005", {-60, -60}, 0, 2006}, {"2005", {-60}, 0, 0}, {"2005", {240}, 0, 2003}, {"2005", {-200, -40}, 0, 2007},
    };
    for (const auto &row : rows) {
        MainWindowState state;
        state.show(row.start);
        const long long year = state.model().year;
        const auto step = [&state](int by) {
            if (const std::optional<long long> next = state.step(by))
                state.show(std::to_string(*next));
        };
        for (const int delta : row.wheel)
            step(state.wheel(delta));
        if (row.wheel.empty())
            step(row.by);
        check(state.model().year == (row.expected == 0 ? year : row.expected),
              std::string("from ") + row.start + " to " + std::to_string(state.model().year));
    }
    check(startYear(2026) == 2026 && startYear(0) == 1 && startYear(10000) == 10000 && startYear(99999999) == 9999999,
          "the start-up year, held to the calendar");
}

// What is said of the sheet after Enter, Page Up or Down, or a click on the old-style box.
void texts()
{
    const struct { const char *year; bool oldStyle; const char *description; const char *news; } rows[] = {
        {"2005", true, "Календарь на 2005 год", "2005 н. э.  ГОД ПЕТУХА"},
        {"1917", true, "Календарь на 1917 год по старому стилю", "1917 н. э.  ГОД ЗМЕИ"},
        {"1917", false, "Календарь на 1917 год", "1917 н. э.  ГОД ЗМЕИ"},
    };
    for (const auto &row : rows) {
        MainWindowState state;
        state.oldStyle = row.oldStyle;
        state.show(row.year);
        check(state.description() == row.description && state.news() == row.news, state.description());
    }
    check(words::weeksPictureName(4) == "Дни и номера недель: Май", "the week picture's name");
}

std::string dateOf(const DayPicture &picture)
{
    if (picture.cursor() < 0)
        return "none";
    const SceneCell &cell = picture.cells()[std::size_t(picture.cursor())];
    return std::to_string(cell.day) + "." + std::to_string(cell.month);
}

// The cursor from 1 January, after keys, across drawings, with the news of a drawing.
void cursor()
{
    const auto sheet = [](long long year) { return sheetScene(computeYear(year), true); };
    using Keys = std::vector<std::pair<CursorKey, bool>>;
    const struct { Keys keys; const char *expected; bool handled; } rows[] = {
        {{}, "1.1", true},
        {{{CursorKey::Down, false}}, "2.1", true},
        {{{CursorKey::Up, false}}, "1.1", true},
        {{{CursorKey::Right, false}, {CursorKey::Right, false}}, "15.1", true},
        {{{CursorKey::Left, false}}, "1.1", true},
        {{{CursorKey::Down, false}, {CursorKey::End, false}}, "31.1", true},
        {{{CursorKey::End, false}, {CursorKey::Down, false}, {CursorKey::End, false}}, "28.2", true},
        {{{CursorKey::End, true}, {CursorKey::Home, false}}, "1.12", true},
        {{{CursorKey::End, true}, {CursorKey::Right, false}}, "31.12", true},
        {{{CursorKey::End, true}, {CursorKey::Home, true}}, "1.1", true},
        {{{CursorKey::Down, true}}, "1.1", false},
        {{{CursorKey::Right, true}}, "1.1", false},
    };
    for (const auto &row : rows) {
        DayPicture picture;
        picture.show(sheet(2005));
        bool handled = true;
        for (const auto &[key, control] : row.keys)
            handled = picture.move(key, control);
        check(dateOf(picture) == row.expected && handled == row.handled,
              std::string("cursor to ") + row.expected + ": " + dateOf(picture));
    }
    // A new drawing keeps the month and day, or the month's last day the year has; its
    // news is said with the cursor's day until the cursor moves.
    DayPicture picture;
    picture.show(sheet(2004));
    for (int i = 0; i < 59; ++i)
        picture.move(CursorKey::Down, false);
    check(dateOf(picture) == "29.2" && picture.name(picture.cursor()) == "воскресенье, 29 февраля 2004 года",
          "cursor on 29 February 2004");
    picture.show(sheet(2005));
    picture.setNews("2005 н. э.  ГОД ПЕТУХА");
    check(dateOf(picture) == "28.2" && picture.description(picture.cursor()) == "2005 н. э.  ГОД ПЕТУХА"
              && picture.description(picture.cursor() - 1).empty(),
          "29 February follows to 28 February in 2005, with the news");
    picture.show(sheet(2004));
    check(dateOf(picture) == "28.2" && picture.description(picture.cursor()).empty(),
          "and stays on 28 February in 2004, without the old news");
    picture.setNews("2004 н. э.  ГОД ОБЕЗЬЯНЫ");
    picture.move(CursorKey::Home, false);
    check(dateOf(picture) == "1.2" && picture.description(picture.cursor()).empty(), "the news goes with the move");
    // In the week numbers window only the days are visited, never the week numbers.
    picture.show(weeksScene(computeYear(2005), true, 4));
    picture.move(CursorKey::End, true);
    check(dateOf(picture) == "31.5" && picture.days() == 31, "the weeks' cursor ends on 31 May");
    check(picture.indexAt(26 + 3, 120 + 3) == 0 && picture.indexAt(5, 5) == -1, "the cell at a point");
}

// The month tables a table-walking screen reader meets, against the calendar of
// <chrono>: each day in its month's table, in its weekday's row and its week's column,
// the week column headed by the year's running week (week 1 holds 1 January, counted
// from Monday), and the place's slot where the day is drawn.
void tables()
{
    using namespace std::chrono;
    const char *const weekdays[] = {"понедельник", "вторник", "среда", "четверг", "пятница", "суббота", "воскресенье"};
    const struct { long long year; bool oldStyle; int month0; int columns0; } rows[] = {
        {2005, true, -1, 6},   // the sheet: January 2005 begins on a Saturday
        {2012, true, -1, 6},   // a leap year beginning on a Sunday: weeks up to 54
        {1917, false, -1, 6},  // unchecked: every day a row earlier than the calendar's
        {2023, true, -1, 6},
        {2005, true, 4, 6},    // the week numbers window's May, week numbers drawn
        {2021, true, 1, 4},    // February 2021: exactly four weeks
        {1917, true, 0, 5},
    };
    for (const auto &row : rows) {
        DayPicture picture;
        picture.show(row.month0 < 0 ? sheetScene(computeYear(row.year), row.oldStyle)
                                    : weeksScene(computeYear(row.year), row.oldStyle, row.month0));
        const DayTables made = dayTables(picture);
        const std::string what = std::to_string(row.year) + (row.month0 < 0 ? " sheet" : " month " + std::to_string(row.month0 + 1));
        // The row a date is drawn in: its weekday, a day earlier without the old style.
        const auto rowOf = [&](const year_month_day &date) {
            return int((weekday(sys_days(date)).iso_encoding() - 1 + (row.oldStyle ? 7 : 6)) % 7);
        };
        const year_month_day january1{year(int(row.year)), January, day(1)};
        const std::size_t wantTables = row.month0 < 0 ? 12 : 1;
        bool ok = made.tables.size() == wantTables && made.places.size() == picture.cells().size();
        int checked = 0;
        for (std::size_t t = 0; ok && t < wantTables; ++t) {
            const unsigned m = row.month0 < 0 ? unsigned(t + 1) : unsigned(row.month0 + 1);
            const DayTable &table = made.tables[t];
            const year_month_day first{year(int(row.year)), month(m), day(1)};
            const int length = int(unsigned(year_month_day_last(year(int(row.year)), month_day_last(month(m))).day()));
            ok = ok && table.rows() == 7 && table.columns() == (rowOf(first) + length - 1) / 7 + 1;
            for (int r = 0; ok && r < 7; ++r)
                ok = table.rowHeaders[std::size_t(r)] == weekdays[r]
                     && table.rowHeaderSlots[std::size_t(r)].x + table.cellWidth == table.columnX[0];
            for (int d = 1; ok && d <= length; ++d) {
                const year_month_day date{year(int(row.year)), month(m), day(unsigned(d))};
                const int sinceMonday = rowOf(january1) + int((sys_days(date) - sys_days(january1)).count());
                const int r = rowOf(date), c = (rowOf(first) + d - 1) / 7;
                const int index = table.at(r, c);
                ok = index >= 0 && picture.cells()[std::size_t(index)].day == d
                     && picture.cells()[std::size_t(index)].month == int(m)
                     && made.places[std::size_t(index)].table == int(t) && made.places[std::size_t(index)].row == r
                     && made.places[std::size_t(index)].column == c
                     && table.columnHeaders[std::size_t(c)] == "неделя " + std::to_string(sinceMonday / 7 + 1)
                     && table.slot(r, c).x == picture.cells()[std::size_t(index)].x
                     && table.slot(r, c).y == picture.cells()[std::size_t(index)].y;
                checked += ok;
            }
            int empty = 0;
            for (const int place : table.places)
                empty += place < 0;
            ok = ok && empty == 7 * table.columns() - length;
            // Week numbers are drawn only under the week numbers window's columns.
            for (int c = 0; ok && c < table.columns(); ++c)
                ok = (table.columnHeaderSlots[std::size_t(c)].width > 0) == (row.month0 >= 0)
                     && (row.month0 < 0 || table.columnHeaderSlots[std::size_t(c)].x == table.columnX[std::size_t(c)]);
        }
        check(ok && checked == int(picture.days()) && made.tables.front().columns() == row.columns0
                  && made.tables.front().name == (row.month0 < 0 ? "Январь" : std::string(MonthName[std::size_t(row.month0)])),
              "tables of " + what + ": " + std::to_string(checked) + " days in place");
    }
}

void layouts()
{
    using layout::Rect;
    const auto inside = [](const Rect &r, const Rect &client) {
        return r.x >= 0 && r.y >= 0 && r.x + r.width <= client.width && r.y + r.height <= client.height;
    };
    const auto apart = [](const Rect &a, const Rect &b) {
        return a.x + a.width <= b.x || b.x + b.width <= a.x || a.y + a.height <= b.y || b.y + b.height <= a.y;
    };
    namespace m = layout::mainwindow;
    const Rect mainControls[] = {m::Banner, m::Sheet, m::YearLabel, m::YearBox, m::Caption, m::OldStyle};
    namespace w = layout::weeks;
    const Rect weeksControls[] = {w::List, w::Month, w::Picture, w::OK};
    std::vector<Rect> aboutControls{layout::about::Emblem, layout::about::Link, layout::about::Separator,
                                    layout::about::Flag, layout::about::OK};
    for (const words::AboutLabel &label : words::aboutLabels())
        aboutControls.push_back(label.place);
    for (const auto &[controls, client, name] :
         {std::tuple{std::vector<Rect>(std::begin(mainControls), std::end(mainControls)), m::Client, "main"},
          std::tuple{std::vector<Rect>(std::begin(weeksControls), std::end(weeksControls)), w::Client, "weeks"},
          std::tuple{aboutControls, layout::about::Client, "About"}}) {
        bool ok = true;
        for (std::size_t i = 0; i < controls.size(); ++i)
            for (std::size_t j = i + 1; j <= controls.size(); ++j)
                ok = ok && inside(controls[i], client) && (j == controls.size() || apart(controls[i], controls[j]));
        check(ok, std::string(name) + " window: every control inside, none over another");
    }
    const std::vector<words::AboutLabel> labels = words::aboutLabels();
    std::set<int> indexes;
    for (const words::AboutLabel &label : labels)
        indexes.insert(label.index);
    check(indexes == std::set<int>{0, 3, 4, 5, 6, 7} && labels[2].text == "Сайт:"
              && labels[2].place.x + labels[2].place.width == layout::about::Link.x,
          "About: Label2 0 and 3 to 7; the link begins where «Сайт:» ends");
}

void redirectPages()
{
    const std::string head = "<html><head><meta http-equiv='refresh' content='0; url=";
    const std::string tail = "'><meta http-equiv='Content-Type' content='text/html; charset=windows-1251'>"
                             "<title>WWW</title></head><body></body></html>\r\n";
    check(redirectPage("") == head + tail && redirectPage("").size() == 178, "page: empty address, 178 bytes");
    check(redirectPage("https://a.example/'x") == head + "https://a.example/'x" + tail, "page: apostrophe unchanged");
    const struct { int taken; int failsAt; const char *name; int tries; } rows[] = {
        {0, -1, "0.html", 1}, {1, -1, "1.html", 2}, {10, -1, "10.html", 11}, {100, -1, "", 100}, {2, 2, "", 3},
    };
    for (const auto &row : rows) {
        int tries = 0;
        const std::string name = writeRedirectPage("x", [&](const std::string &file, const std::string &page) {
            const int number = tries++;
            if (file != std::to_string(number) + ".html" || page != head + "x" + tail || number == row.failsAt)
                return PageWrite::Failed;
            return number < row.taken ? PageWrite::Taken : PageWrite::Written;
        });
        check(name == row.name && tries == row.tries, "pages: " + std::to_string(row.taken) + " taken: " + name);
    }
}

} // namespace

int main()
{
    yearBox();
    stepping();
    texts();
    cursor();
    tables();
    layouts();
    redirectPages();
    return check.finish();
}
