// Main window: layout, start-up, the year and the menu commands.
#include "win32/mainwindow.h"

#include "calendar/contrast.h"
#include "calendar/scene.h"
#include "win32/aboutwindow.h"
#include "win32/banner.h"
#include "win32/links.h"
#include "win32/picturewindow.h"
#include "win32/resource.h"
#include "win32/text.h"
#include "win32/weekswindow.h"
#include "win32/windowbase.h"
#include "win32/yearedit.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include <string>

namespace ortelana::win32 {

namespace {

constexpr wchar_t ClassName[] = L"OrtelanaMain";
constexpr int ClientWidth = 634, ClientHeight = 508;
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr int IdData = 10, IdYear = 11, IdLabel = 12, IdOldStyle = 13;

HWND makeControl(HWND parent, const wchar_t *kind, const wchar_t *text, DWORD style, const RECT &place, int id,
                 HFONT font)
{
    const HWND control = CreateWindowExW(0, kind, text, WS_CHILD | WS_VISIBLE | style, place.left, place.top,
                                         place.right - place.left, place.bottom - place.top, parent,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                         GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

std::wstring windowText(HWND window)
{
    std::wstring text(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

// The value the text begins with, as the year box's Enter reads it: digits only reach
// the box, so this is the whole text; anything else counts as 0.
long long leadingNumber(const std::wstring &text)
{
    long long value = 0;
    for (const wchar_t c : text) {
        if (c < L'0' || c > L'9' || value > kLastYear)
            break;
        value = value * 10 + (c - L'0');
    }
    return value;
}

// What a screen reader says of the sheet: the year, and the old style when it moves
// every day of the year.
std::wstring sheetName(long long year, bool oldStyle)
{
    return L"Календарь на " + std::to_wstring(year) + L" год" + (oldStyle ? L" по старому стилю" : L"");
}

long long currentYear()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now.wYear;
}

} // namespace

int MainWindow::run(const std::optional<SheetRequest> &request)
{
    MainWindow self;
    if (!self.create())
        return 1;
    self.start(request);

    const HACCEL accelerators = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_ACCELERATORS));
    MSG message;
    BOOL got;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        if (TranslateAcceleratorW(self.window, accelerators, &message))
            continue;
        if (IsDialogMessageW(self.window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return got < 0 ? 1 : int(message.wParam);
}

bool MainWindow::create()
{
    static const ATOM registered = registerWindowClass(ClassName, &routeToObject<MainWindow>,
                                                       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (!registered)
        return false;
    const RECT outer = centredWindow(scale.px(ClientWidth), scale.px(ClientHeight), Style, 0, true, nullptr);
    const HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINMENU));
    CreateWindowExW(WS_EX_CONTROLPARENT, ClassName, L"Ортелана", Style, outer.left, outer.top,
                    outer.right - outer.left, outer.bottom - outer.top, nullptr, menu, GetModuleHandleW(nullptr),
                    this);
    return window != nullptr;
}

bool MainWindow::createControls()
{
    createBanner(window, scale.px(633), scale.px(73), bannerFont.get(), scale.dpi);
    picCalendar = PictureWindow::create(window, scale.at(0, 77, 633, 393), true, true,
                                        inkSurface(GetSysColor(COLOR_BTNFACE)),
                                        sheetFont.get(), L"Календарь", scale.dpi);
    if (!picCalendar)
        return false;
    Label1 = makeControl(window, L"STATIC", L"Год:", SS_LEFT, scale.at(8, 480, 38, 20), IdLabel, labelFont.get());
    DATA = createYearEdit(window, scale.at(48, 474, 89, 31), IdData);
    SendMessageW(DATA, WM_SETFONT, reinterpret_cast<WPARAM>(yearFont.get()), FALSE);
    SetWindowTextW(DATA, L"2005");
    setAccessibleName(DATA, L"Год");
    YEAR = makeControl(window, L"STATIC", L"", SS_LEFT | SS_NOPREFIX, scale.at(144, 480, 225, 25), IdYear,
                       labelFont.get());
    StilChck = makeControl(window, L"BUTTON", L"Старый стиль", BS_AUTOCHECKBOX | WS_TABSTOP, scale.at(376, 480, 129, 17),
                           IdOldStyle, sheetFont.get());
    SendMessageW(StilChck, BM_SETCHECK, BST_CHECKED, 0);
    // Tab order: the year box, the old-style box, the sheet (creation order decides).
    SetWindowPos(picCalendar->handle(), StilChck, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return DATA && YEAR && StilChck;
}

void MainWindow::start(const std::optional<SheetRequest> &request)
{
    ShowWindow(window, SW_SHOWNORMAL);
    // The window appears and paints before the sheet is drawn.
    UpdateWindow(window);
    SetFocus(DATA);

    const long long year = request ? request->year : std::clamp<long long>(currentYear(), kFirstYear, kLastYear);
    SetWindowTextW(DATA, std::to_wstring(year).c_str());
    const int end = GetWindowTextLengthW(DATA);
    SendMessageW(DATA, EM_SETSEL, WPARAM(end), LPARAM(end));
    if (request)
        SendMessageW(StilChck, BM_SETCHECK, request->oldStyle ? BST_CHECKED : BST_UNCHECKED, 0);

    DrawSheet();
    NewGod();
}

void MainWindow::DrawSheet()
{
    GdiCanvas canvas(picCalendar->surface(), scale.dpi);
    draw(sheetFixedLayer(), canvas);
    picCalendar->refresh();
}

void MainWindow::NewGod()
{
    const std::wstring text = windowText(DATA);
    const long long value = leadingNumber(text);
    if (text.empty() || text.size() > std::size_t(kYearDigits) || value < kFirstYear || value > kLastYear)
        return;   // nothing outside the calendar's range reaches the drawing

    const HCURSOR previous = SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
    model = computeYear(value);
    ShowWindow(StilChck, model.offersOldStyle ? SW_SHOWNA : SW_HIDE);
    SetWindowTextW(YEAR, widen(model.caption).c_str());
    DrawDays();
    SetCursor(previous);
}

void MainWindow::DrawDays()
{
    if (model.year == 0)
        return;   // no year computed yet
    const bool checked = SendMessageW(StilChck, BM_GETCHECK, 0, 0) == BST_CHECKED;
    const Scene scene = sheetScene(model, checked);
    GdiCanvas canvas(picCalendar->surface(), scale.dpi);
    draw(scene.dayLayer, canvas);
    picCalendar->setCursorCells(scene.cells, model.year);
    SetWindowTextW(picCalendar->handle(), sheetName(model.year, model.offersOldStyle && checked).c_str());
    picCalendar->refresh();
    // The year with its caption, said with the cursor's day when the sheet has the focus
    // (after Page Up or Down).
    picCalendar->setNews(std::to_wstring(model.year) + widen(model.caption));
}

void MainWindow::confirmYear()
{
    if (leadingNumber(windowText(DATA)) == 0) {
        MessageBoxW(window, L"Нулевого года не существует.", L"Ошибка", MB_OK | MB_ICONERROR);
        return;
    }
    NewGod();
}

void MainWindow::stepYear(int step)
{
    const long long next = model.year + step;
    if (model.year == 0 || next < kFirstYear || next > kLastYear)
        return;   // the ends of the calendar hold
    // Exactly as if the year had been typed and confirmed.
    SetWindowTextW(DATA, std::to_wstring(next).c_str());
    const int end = GetWindowTextLengthW(DATA);
    SendMessageW(DATA, EM_SETSEL, WPARAM(end), LPARAM(end));
    NewGod();
}

void MainWindow::wheel(WPARAM wParam, LPARAM lParam)
{
    // Over the sheet only; one year per notch, towards the user is the next year, and
    // a fine-grained wheel adds up to whole notches.
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    RECT sheet{};
    GetWindowRect(picCalendar->handle(), &sheet);
    if (!PtInRect(&sheet, point))
        return;
    wheelTravel += GET_WHEEL_DELTA_WPARAM(wParam);
    for (; wheelTravel <= -WHEEL_DELTA; wheelTravel += WHEEL_DELTA)
        stepYear(1);
    for (; wheelTravel >= WHEEL_DELTA; wheelTravel -= WHEEL_DELTA)
        stepYear(-1);
}

void MainWindow::command(WORD id, WORD code)
{
    switch (id) {
    case IdData:
        if (code == YearConfirmed)
            confirmYear();
        break;
    case IdOldStyle:
        // Redraws the year computed last; nothing is read from the year box.
        if (code == BN_CLICKED)
            DrawDays();
        break;
    case IDM_WEEKS:
        WeeksWindow::show(window, model, SendMessageW(StilChck, BM_GETCHECK, 0, 0) == BST_CHECKED, chosenMonth);
        break;
    case IDM_HELP:
        OpenInShell(L"Справка.html");
        break;
    case IDM_ABOUT:
        AboutWindow::show(window);
        break;
    case IDM_EXIT:
        DestroyWindow(window);
        break;
    case IDM_NEXT_YEAR:
        stepYear(1);
        break;
    case IDM_PREVIOUS_YEAR:
        stepYear(-1);
        break;
    default:
        break;
    }
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return createControls() ? 0 : -1;   // -1: the window is not made, the program ends
    case WM_COMMAND:
        command(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        wheel(wParam, lParam);
        return 0;
    case WM_ACTIVATE:
        // The control that had the keyboard focus gets it back when the window is
        // active again (after a dialog, or another program); the year box at first.
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus && IsChild(window, focus))
                lastFocus = focus;
        } else {
            SetFocus(lastFocus && IsWindow(lastFocus) ? lastFocus : DATA);
        }
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace ortelana::win32
