// The main window «Ортелана»: the banner, the year sheet, the year box with its caption
// and the old-style box, the menu and its commands.  Its state and rules are
// MainWindowState's: the year computed last, the old-style box, the week numbers
// window's month.
#pragma once

#include "behaviour/mainwindow.h"
#include "calendar/sheetrequest.h"
#include "win32/gdi.h"
#include "win32/windowbase.h"

#include <windows.h>

namespace ortelana::win32 {

class PictureWindow;

class MainWindow
{
public:
    // Creates and shows the window, draws the sheet for `start` and runs the program
    // until the window is closed.  Returns: the exit status.
    static int run(const SheetRequest &start);

    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    HWND window = nullptr;

private:
    bool create();
    bool createControls();
    void start(const SheetRequest &request);
    void DrawSheet();
    void NewGod();
    void DrawDays();
    void confirmYear();
    void showYear(long long year);
    void stepYear(int by);
    void wheel(WPARAM wParam, LPARAM lParam);
    void command(WORD id, WORD code);

    Scale scale = screenScale();   // before the fonts, which it sizes
    Font sheetFont = makeFont(L"MS Sans Serif", scale.px(fontpx::Pt9_75), true);
    Font labelFont = makeFont(L"MS Sans Serif", scale.px(fontpx::Pt12), true);
    Font yearFont = makeFont(L"MS Sans Serif", scale.px(fontpx::Pt13_5), false);
    // The title page's HTML size 6: 24 pt, 32 pixels.
    Font bannerFont = makeFont(L"Times New Roman", scale.px(32), false);
    HWND DATA = nullptr, YEAR = nullptr, StilChck = nullptr;
    PictureWindow *picCalendar = nullptr;
    MainWindowState state;
    HWND lastFocus = nullptr;   // the control to give the focus back to
};

} // namespace ortelana::win32
