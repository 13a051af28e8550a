// Main window: layout, start-up, the year and the menu commands.
#include "win32/mainwindow.h"

#include "behaviour/words.h"
#include "behaviour/mainwindow.h"
#include "calendar/contrast.h"
#include "win32/aboutwindow.h"
#include "win32/banner.h"
#include "win32/links.h"
#include "win32/picturewindow.h"
#include "win32/printing.h"
#include "win32/resource.h"
#include "win32/text.h"
#include "win32/weekswindow.h"
#include "win32/windowbase.h"
#include "win32/yearedit.h"

#include <commctrl.h>
#include <windowsx.h>

#include <utility>

namespace ortelana::win32 {

namespace {

constexpr wchar_t ClassName[] = L"OrtelanaMain";
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr int IdData = 10, IdYear = 11, IdLabel = 12, IdOldStyle = 13;

} // namespace

int MainWindow::run(const SheetRequest &request)
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
    const auto centred = [this](HWND beside) {
        return centredWindow(scale.px(layout::mainwindow::Client.width), scale.px(layout::mainwindow::Client.height),
                             Style, 0, true, beside, scale.dpi);
    };
    const RECT outer = centred(nullptr);
    const HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINMENU));
    CreateWindowExW(WS_EX_CONTROLPARENT, ClassName, widen(words::ProgramTitle).c_str(), Style, outer.left, outer.top,
                    outer.right - outer.left, outer.bottom - outer.top, nullptr, menu, GetModuleHandleW(nullptr),
                    this);
    if (!window)
        return false;
    // Made at the primary screen's density; a window that came up on another screen
    // takes that one's.
    if (const Scale actual = windowScale(window); actual.dpi != scale.dpi) {
        rescale(actual);
        const RECT again = centred(window);
        SetWindowPos(window, nullptr, again.left, again.top, again.right - again.left, again.bottom - again.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return true;
}

void MainWindow::rescale(const Scale &next)
{
    namespace place = layout::mainwindow;
    scale = next;
    // The old fonts live until the controls have the new ones.
    const Font oldSheet = std::exchange(sheetFont, uiFont(FontRole::Sheet, scale.dpi));
    const Font oldLabel = std::exchange(labelFont, uiFont(FontRole::Label, scale.dpi));
    const Font oldYear = std::exchange(yearFont, uiFont(FontRole::YearBox, scale.dpi));
    const Font oldBanner = std::exchange(bannerFont, uiFont(FontRole::Banner, scale.dpi));
    placeControls(controls, scale);
    picCalendar->rescale(scale.at(place::Sheet), sheetFont.get(), scale.dpi);
    banner->rescale(scale.at(place::Banner), bannerFont.get(), scale.dpi);
    drawBanner(*banner, scale.dpi);
    DrawSheet();
    if (state.model().year != 0) {
        const Scene scene = state.sheet();
        GdiCanvas canvas(picCalendar->surface(), scale.dpi);
        draw(scene.dayLayer, canvas);
        picCalendar->show(scene);
    }
    InvalidateRect(window, nullptr, TRUE);
}

bool MainWindow::createControls()
{
    namespace place = layout::mainwindow;
    // Made in the order of the Tab key: the year box, the old-style box, the sheet, the
    // banner (the labels take no focus).
    const HWND label = makeControl(window, L"STATIC", widen(words::YearLabel), SS_LEFT, scale.at(place::YearLabel), IdLabel,
                                   labelFont.get());
    DATA = createYearEdit(window, scale.at(place::YearBox), IdData, yearFont.get());
    SetWindowTextW(DATA, L"2005");
    setAccessibleName(DATA, widen(words::YearBoxName).c_str());
    YEAR = makeControl(window, L"STATIC", L"", SS_LEFT | SS_NOPREFIX, scale.at(place::Caption), IdYear, labelFont.get());
    StilChck = makeControl(window, L"BUTTON", widen(words::OldStyle), BS_AUTOCHECKBOX | WS_TABSTOP,
                           scale.at(place::OldStyle), IdOldStyle, sheetFont.get());
    SendMessageW(StilChck, BM_SETCHECK, state.oldStyle ? BST_CHECKED : BST_UNCHECKED, 0);
    picCalendar = PictureWindow::create(window, scale.at(place::Sheet), true, true, ROLE_SYSTEM_LIST,
                                        inkSurface(GetSysColor(COLOR_BTNFACE)), sheetFont.get(),
                                        widen(words::SheetName).c_str(), scale.dpi);
    banner = createBanner(window, scale.at(place::Banner), bannerFont.get(), scale.dpi);
    controls = {{label, place::YearLabel, &labelFont}, {DATA, place::YearBox, &yearFont},
                {YEAR, place::Caption, &labelFont}, {StilChck, place::OldStyle, &sheetFont}};
    return DATA && YEAR && StilChck && picCalendar && banner;
}

void MainWindow::start(const SheetRequest &request)
{
    ShowWindow(window, SW_SHOWNORMAL);
    // The window appears and paints before the sheet is drawn.
    UpdateWindow(window);
    SetFocus(DATA);

    state.oldStyle = request.oldStyle;
    SendMessageW(StilChck, BM_SETCHECK, request.oldStyle ? BST_CHECKED : BST_UNCHECKED, 0);
    DrawSheet();
    showYear(request.year);
}

void MainWindow::DrawSheet()
{
    GdiCanvas canvas(picCalendar->surface(), scale.dpi);
    draw(sheetFixedLayer(), canvas);
    picCalendar->refresh();
}

void MainWindow::NewGod()
{
    // Nothing outside the calendar's range reaches the drawing.
    if (!state.show(narrow(windowText(DATA))))
        return;
    const HCURSOR previous = SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
    ShowWindow(StilChck, state.model().offersOldStyle ? SW_SHOWNA : SW_HIDE);
    SetWindowTextW(YEAR, widen(state.model().caption).c_str());
    DrawDays();
    SetCursor(previous);
}

void MainWindow::DrawDays()
{
    if (state.model().year == 0)
        return;   // no year computed yet
    const Scene scene = state.sheet();
    GdiCanvas canvas(picCalendar->surface(), scale.dpi);
    draw(scene.dayLayer, canvas);
    picCalendar->show(scene);
    SetWindowTextW(picCalendar->handle(), widen(state.description()).c_str());
    // The year with its caption, said with the cursor's day when the sheet has the focus
    // (after Page Up or Down).
    picCalendar->setNews(state.news());
}

void MainWindow::confirmYear()
{
    if (isYearZero(narrow(windowText(DATA))))
        MessageBoxW(window, widen(words::ZeroYear).c_str(), widen(words::ErrorTitle).c_str(), MB_OK | MB_ICONERROR);
    else
        NewGod();   // which passes an empty box over
}

void MainWindow::showYear(long long year)
{
    // Exactly as if the year had been typed and confirmed.
    SetWindowTextW(DATA, std::to_wstring(year).c_str());
    const int end = GetWindowTextLengthW(DATA);   // the caret after the last digit
    SendMessageW(DATA, EM_SETSEL, WPARAM(end), LPARAM(end));
    NewGod();
}

void MainWindow::stepYear(int by)
{
    if (const std::optional<long long> next = state.step(by))
        showYear(*next);
}

void MainWindow::wheel(WPARAM wParam, LPARAM lParam)
{
    // Over the sheet only.
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    RECT sheet{};
    GetWindowRect(picCalendar->handle(), &sheet);
    if (PtInRect(&sheet, point))
        stepYear(state.wheel(GET_WHEEL_DELTA_WPARAM(wParam)));
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
        if (code == BN_CLICKED) {
            state.oldStyle = SendMessageW(StilChck, BM_GETCHECK, 0, 0) == BST_CHECKED;
            DrawDays();
        }
        break;
    case IDM_WEEKS:
        WeeksWindow::show(window, state);
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
    case IDM_PRINT:
        // The year drawn last, as the sheet shows it, whatever the box holds meanwhile.
        printSheet(window, {state.model().year, state.oldStyle});
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
    case WM_DPICHANGED:
        // Moved to a screen of another density: laid out again there, in the place
        // the system suggests.
        rescale(Scale{HIWORD(wParam)});
        takeSuggestedRect(window, lParam);
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
