// UI Automation's tables of the Windows program's pictures, read in process through the
// provider's own interfaces (Wine 8's uiautomationcore has the grid pattern only as a
// stub), cross-built and run under Wine on a private X display: the provider needs
// real windows for its names, places and the keyboard focus.
#include "behaviour/daypicture.h"
#include "calendar/scene.h"
#include "calendar/yeartables.h"
#include "win32/dayautomation.h"
#include "win32/text.h"
#include "win32/uiapatterns.h"
#include "win32/windowbase.h"
#include "tally.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

using namespace ortelana;
using namespace ortelana::win32;

namespace {

Tally check;

// What UI Automation's events would carry: the names of the focused elements, the
// notifications' texts.
class Recorder final : public AutomationEvents
{
public:
    std::vector<std::wstring> focused, notes;
    bool canNotify = true;
    void focusChanged(IRawElementProviderSimple *element) override;
    bool notify(IRawElementProviderSimple *, const std::wstring &text) override
    {
        if (canNotify)
            notes.push_back(text);
        return canNotify;
    }
};

// A reference held, released at the end.
template<typename T> struct Held
{
    T *p = nullptr;
    Held() = default;
    explicit Held(T *held) : p(held) {}
    Held(Held &&other) noexcept : p(std::exchange(other.p, nullptr)) {}
    Held &operator=(Held &&other) noexcept
    {
        if (this != &other) {
            if (p)
                p->Release();
            p = std::exchange(other.p, nullptr);
        }
        return *this;
    }
    ~Held()
    {
        if (p)
            p->Release();
    }
    T *operator->() const { return p; }
    explicit operator bool() const { return p != nullptr; }
};

std::wstring textOf(IRawElementProviderSimple *element, PROPERTYID property)
{
    VARIANT value;
    VariantInit(&value);
    element->GetPropertyValue(property, &value);
    std::wstring text = value.vt == VT_BSTR ? value.bstrVal : L"";
    VariantClear(&value);
    return text;
}
long numberOf(IRawElementProviderSimple *element, PROPERTYID property)
{
    VARIANT value;
    VariantInit(&value);
    element->GetPropertyValue(property, &value);
    return value.vt == VT_I4 ? value.lVal : value.vt == VT_BOOL ? (value.boolVal ? 1 : 0) : -1;
}
void Recorder::focusChanged(IRawElementProviderSimple *element) { focused.push_back(textOf(element, uia::NameProperty)); }

template<typename T> Held<T> patternOf(IRawElementProviderSimple *element, PATTERNID pattern, const IID &id)
{
    Held<T> found;
    IUnknown *provider = nullptr;
    if (element->GetPatternProvider(pattern, &provider) == S_OK && provider) {
        provider->QueryInterface(id, reinterpret_cast<void **>(&found.p));
        provider->Release();
    }
    return found;
}
Held<IRawElementProviderSimple> step(IRawElementProviderSimple *from, NavigateDirection direction)
{
    Held<IRawElementProviderSimple> to;
    IRawElementProviderFragment *fragment = nullptr, *reached = nullptr;
    if (from->QueryInterface(__uuidof(IRawElementProviderFragment), reinterpret_cast<void **>(&fragment)) == S_OK) {
        if (fragment->Navigate(direction, &reached) == S_OK && reached) {
            reached->QueryInterface(__uuidof(IRawElementProviderSimple), reinterpret_cast<void **>(&to.p));
            reached->Release();
        }
        fragment->Release();
    }
    return to;
}
std::vector<std::wstring> namesIn(SAFEARRAY *elements)
{
    std::vector<std::wstring> names;
    LONG last = -1;
    if (elements && SafeArrayGetUBound(elements, 1, &last) == S_OK)
        for (LONG i = 0; i <= last; ++i) {
            IUnknown *item = nullptr;
            Held<IRawElementProviderSimple> simple;
            if (SafeArrayGetElement(elements, &i, &item) == S_OK && item) {
                item->QueryInterface(__uuidof(IRawElementProviderSimple), reinterpret_cast<void **>(&simple.p));
                item->Release();
            }
            names.push_back(simple ? textOf(simple.p, uia::NameProperty) : L"?");
        }
    if (elements)
        SafeArrayDestroy(elements);
    return names;
}

// UI Automation's tables of the sheet and the week picture, through the provider's own
// interfaces, against the calendar of <chrono> and the test's own words: every month a
// table of seven weekday rows and its week columns, headed by the weekday names and
// «неделя N»; every day the data item at its row and column, named in full, in its slot
// on the screen; the tree holding the days in date order; the focus on the cursor's day
// and the news said after it.
void automationTables()
{
    using namespace std::chrono;
    const wchar_t *const weekdays[] = {L"понедельник", L"вторник", L"среда", L"четверг", L"пятница", L"суббота",
                                       L"воскресенье"};
    const wchar_t *const monthsOf[] = {L"января", L"февраля", L"марта", L"апреля", L"мая", L"июня",
                                       L"июля", L"августа", L"сентября", L"октября", L"ноября", L"декабря"};
    const struct { long long year; bool oldStyle; int month0; const wchar_t *firstFocus; } rows[] = {
        {2005, true, -1, L"суббота, 1 января 2005 года"},
        {1917, false, -1, L"воскресенье, 1 января 1917 года"},   // unchecked: the day a row earlier
        {2012, true, -1, L"воскресенье, 1 января 2012 года"},
        {2005, true, 4, L"воскресенье, 1 мая 2005 года, неделя 18"},
        {1944, true, 4, L"понедельник, 1 мая 1944 года, неделя 19"},
    };
    static const ATOM registered = registerWindowClass(L"OrtelanaTestHost", DefWindowProcW, nullptr);
    (void)registered;
    for (const auto &row : rows) {
        const HWND host = CreateWindowExW(0, L"OrtelanaTestHost", L"host", WS_OVERLAPPEDWINDOW, 100, 100, 700, 500,
                                          nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        const HWND picture = CreateWindowExW(0, L"OrtelanaTestHost", L"Календарь на год", WS_CHILD | WS_VISIBLE, 3, 7,
                                             640, 400, host, nullptr, GetModuleHandleW(nullptr), nullptr);
        DayPicture days;
        const bool sheet = row.month0 < 0;
        days.show(sheet ? sheetScene(computeYear(row.year), row.oldStyle)
                        : weeksScene(computeYear(row.year), row.oldStyle, row.month0));
        const DaySource source{picture, &days, true, ROLE_SYSTEM_LIST, 96};
        Recorder heard;
        const std::string what = std::to_string(row.year) + (sheet ? " sheet" : " month");
        IRawElementProviderSimple *kept = nullptr;
        {
            DayAutomation automation(source, &heard);
            IRawElementProviderSimple *root = automation.root();
            check(textOf(root, uia::NameProperty) == L"Календарь на год"
                      && numberOf(root, uia::ControlTypeProperty) == (sheet ? uia::PaneControl : uia::TableControl),
                  what + ": the picture named by its window, a pane of tables or a table");
            // The tables: the root's children on the sheet, the root itself in the week picture.
            std::vector<Held<IRawElementProviderSimple>> tables;
            if (sheet) {
                for (Held<IRawElementProviderSimple> t = step(root, NavigateDirection_FirstChild); t;) {
                    Held<IRawElementProviderSimple> next = step(t.p, NavigateDirection_NextSibling);
                    tables.push_back(std::move(t));
                    t = std::move(next);
                }
            } else {
                root->AddRef();
                tables.push_back(Held<IRawElementProviderSimple>{root});
            }
            check(tables.size() == (sheet ? 12u : 1u), what + ": " + std::to_string(tables.size()) + " tables");
            const auto rowOf = [&](const year_month_day &date) {
                return int((weekday(sys_days(date)).iso_encoding() - 1 + (row.oldStyle ? 7 : 6)) % 7);
            };
            const year_month_day january1{year(int(row.year)), January, day(1)};
            int wrong = 0, daysSeen = 0;
            for (std::size_t t = 0; t < tables.size(); ++t) {
                IRawElementProviderSimple *table = tables[t].p;
                const unsigned m = sheet ? unsigned(t + 1) : unsigned(row.month0 + 1);
                const year_month_day first{year(int(row.year)), month(m), day(1)};
                const int length = int(unsigned(year_month_day_last(year(int(row.year)), month_day_last(month(m))).day()));
                const int columns = (rowOf(first) + length - 1) / 7 + 1;
                const auto weekOf = [&](int d) {
                    const year_month_day date{year(int(row.year)), month(m), day(unsigned(d))};
                    return (rowOf(january1) + int((sys_days(date) - sys_days(january1)).count())) / 7 + 1;
                };
                Held<uia::GridProvider> grid = patternOf<uia::GridProvider>(table, uia::GridPattern, uia::GridProviderId);
                Held<uia::TableProvider> tablePattern =
                    patternOf<uia::TableProvider>(table, uia::TablePattern, uia::TableProviderId);
                int rowCount = 0, columnCount = 0;
                if (!grid || !tablePattern || grid->get_RowCount(&rowCount) != S_OK
                    || grid->get_ColumnCount(&columnCount) != S_OK || rowCount != 7 || columnCount != columns) {
                    check(false, what + ": month " + std::to_string(m) + " has no grid of 7 rows and "
                                     + std::to_string(columns) + " columns");
                    continue;
                }
                SAFEARRAY *headers = nullptr;
                tablePattern->GetRowHeaders(&headers);
                std::vector<std::wstring> wantRows(std::begin(weekdays), std::end(weekdays)), wantColumns;
                for (int c = 0; c < columns; ++c)
                    wantColumns.push_back(L"неделя " + std::to_wstring(weekOf(1) + c));
                bool ok = namesIn(headers) == wantRows;
                tablePattern->GetColumnHeaders(&headers);
                ok = ok && namesIn(headers) == wantColumns;
                ok = ok && (!sheet || textOf(table, uia::NameProperty) == widen(std::string(MonthName[t])));
                std::vector<std::wstring> wantOrder;
                for (int d = 1; d <= length; ++d) {
                    const year_month_day date{year(int(row.year)), month(m), day(unsigned(d))};
                    const int r = rowOf(date), c = (rowOf(first) + d - 1) / 7;
                    std::wstring name = std::wstring(weekdays[r]) + L", " + std::to_wstring(d) + L" " + monthsOf[m - 1]
                                        + L" " + std::to_wstring(row.year) + L" года";
                    if (m == 5 && d == 9 && row.year > 1944)
                        name += L", День Победы";
                    if (!sheet)
                        name += L", неделя " + std::to_wstring(weekOf(d));
                    wantOrder.push_back(name);
                    Held<IRawElementProviderSimple> item;
                    grid->GetItem(r, c, &item.p);
                    Held<uia::GridItemProvider> place =
                        item ? patternOf<uia::GridItemProvider>(item.p, uia::GridItemPattern, uia::GridItemProviderId)
                             : Held<uia::GridItemProvider>{};
                    Held<uia::TableItemProvider> cell =
                        item ? patternOf<uia::TableItemProvider>(item.p, uia::TableItemPattern, uia::TableItemProviderId)
                             : Held<uia::TableItemProvider>{};
                    int atRow = -1, atColumn = -1;
                    Held<IRawElementProviderSimple> containing;
                    if (!item || !place || !cell || place->get_Row(&atRow) != S_OK || place->get_Column(&atColumn) != S_OK
                        || place->get_ContainingGrid(&containing.p) != S_OK || !containing) {
                        ok = false;
                        continue;
                    }
                    SAFEARRAY *rowHeader = nullptr, *columnHeader = nullptr;
                    cell->GetRowHeaderItems(&rowHeader);
                    cell->GetColumnHeaderItems(&columnHeader);
                    // Its slot: where the picture draws that day, on the screen.
                    const SceneCell &drawn = days.cells()[std::size_t(days.indexOfKey(sheet ? sheetDayKey(int(m) - 1, d) : d))];
                    POINT corner{drawn.x, drawn.y};
                    ClientToScreen(picture, &corner);
                    UiaRect bounds{};
                    Held<IRawElementProviderFragment> fragment;
                    item->QueryInterface(__uuidof(IRawElementProviderFragment), reinterpret_cast<void **>(&fragment.p));
                    fragment->get_BoundingRectangle(&bounds);
                    const bool right = textOf(item.p, uia::NameProperty) == name
                                       && numberOf(item.p, uia::ControlTypeProperty) == uia::DataItemControl
                                       && numberOf(item.p, uia::IsKeyboardFocusableProperty) == 1 && atRow == r
                                       && atColumn == c
                                       && textOf(containing.p, uia::NameProperty) == textOf(table, uia::NameProperty)
                                       && namesIn(rowHeader) == std::vector<std::wstring>{weekdays[r]}
                                       && namesIn(columnHeader) == std::vector<std::wstring>{wantColumns[std::size_t(c)]}
                                       && bounds.left == corner.x && bounds.top == corner.y
                                       && bounds.width == drawn.width && bounds.height == drawn.height;
                    if (!right && ++wrong <= 3)
                        check(false, what + ": " + narrow(name) + " read as " + narrow(textOf(item.p, uia::NameProperty))
                                         + " at " + std::to_string(atRow) + "," + std::to_string(atColumn));
                    daysSeen += right;
                }
                // The tree: the table's data items with names are its days in date order.
                std::vector<std::wstring> order;
                int children = 0;
                for (Held<IRawElementProviderSimple> child = step(table, NavigateDirection_FirstChild); child;
                     child = step(child.p, NavigateDirection_NextSibling), ++children) {
                    Held<IRawElementProviderSimple> parent = step(child.p, NavigateDirection_Parent);
                    ok = ok && parent && textOf(parent.p, uia::NameProperty) == textOf(table, uia::NameProperty);
                    if (numberOf(child.p, uia::ControlTypeProperty) == uia::DataItemControl
                        && !textOf(child.p, uia::NameProperty).empty())
                        order.push_back(textOf(child.p, uia::NameProperty));
                }
                check(ok && order == wantOrder && children == 7 + 8 * columns,
                      what + ": month " + std::to_string(m) + ": headers, containing grid, the days in date order");
            }
            check(wrong == 0 && daysSeen == days.days(), what + ": " + std::to_string(daysSeen) + " days in place");

            // The focus: nothing until the picture has the keyboard focus; then the cursor's
            // day, each move, and the news after a new drawing.
            automation.announceFocus();
            const bool quiet = heard.focused.empty();
            ShowWindow(host, SW_SHOW);
            SetForegroundWindow(host);
            SetFocus(picture);
            automation.announceFocus();
            days.move(CursorKey::Down, false);
            automation.announceFocus();
            Held<IRawElementProviderFragmentRoot> fragmentRoot;
            root->QueryInterface(__uuidof(IRawElementProviderFragmentRoot), reinterpret_cast<void **>(&fragmentRoot.p));
            Held<IRawElementProviderFragment> focus;
            fragmentRoot->GetFocus(&focus.p);
            Held<IRawElementProviderSimple> focusSimple;
            if (focus)
                focus->QueryInterface(__uuidof(IRawElementProviderSimple), reinterpret_cast<void **>(&focusSimple.p));
            const std::wstring second = focusSimple ? textOf(focusSimple.p, uia::NameProperty) : L"";
            check(GetFocus() != picture
                      || (quiet && heard.focused.size() == 2 && heard.focused[0] == row.firstFocus
                          && heard.focused[1] == second && !second.empty() && second != heard.focused[0]
                          && numberOf(focusSimple.p, uia::HasKeyboardFocusProperty) == 1),
                  what + ": focus events for the cursor's day: " + std::to_string(heard.focused.size()));
            days.setNews("2006 н. э.  ГОД СОБАКИ");
            heard.canNotify = sheet;   // without the system's notification: the help text carries it
            automation.announceNews("2006 н. э.  ГОД СОБАКИ");
            check(GetFocus() != picture
                      || (heard.focused.size() == 3 && heard.focused[2] == second
                          && textOf(focusSimple.p, uia::HelpTextProperty) == L"2006 н. э.  ГОД СОБАКИ"
                          && heard.notes == (sheet ? std::vector<std::wstring>{L"2006 н. э.  ГОД СОБАКИ"}
                                                   : std::vector<std::wstring>{})),
                  what + ": the news said with the day");
            check(GetFocus() == picture, what + ": the picture took the keyboard focus (else the focus rows pass unread)");
            kept = focusSimple.p;
            kept->AddRef();
        }
        // A client holding an element after the picture is gone.
        check(textOf(kept, uia::NameProperty).empty() && numberOf(kept, uia::ControlTypeProperty) == -1,
              what + ": an element outliving its picture says nothing");
        kept->Release();
        DestroyWindow(host);
    }
}

} // namespace

int main()
{
    // A fault ends the test at once rather than waiting for a debugger.
    SetErrorMode(SEM_NOGPFAULTERRORBOX);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    automationTables();
    return check.finish();
}
