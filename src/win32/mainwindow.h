// The main window «Ортелана»: the banner, the year sheet, the year box with its caption
// and the old-style box, the menu and its commands.  Its state and rules are
// MainWindowState's: the year computed last, the old-style box, the week numbers
// window's month.
#pragma once

#include "behaviour/mainwindow.h"
#include "calendar/sheetrequest.h"
#include "win32/fonts.h"
#include "win32/gdi.h"
#include "win32/windowbase.h"

#include <windows.h>

#include <vector>

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
    // Lays the window out again at another density: fonts, controls and pictures.
    void rescale(const Scale &next);

    // Every font and place comes from this one scale, the density of the window's screen.
    Scale scale = screenScale();   // before the fonts, which it sizes
    Font sheetFont = uiFont(FontRole::Sheet, scale.dpi);
    Font labelFont = uiFont(FontRole::Label, scale.dpi);
    Font yearFont = uiFont(FontRole::YearBox, scale.dpi);
    Font bannerFont = uiFont(FontRole::Banner, scale.dpi);
    HWND DATA = nullptr, YEAR = nullptr, StilChck = nullptr;
    std::vector<Placed> controls;   // the standard controls, placed again with the density
    PictureWindow *picCalendar = nullptr, *banner = nullptr;
    MainWindowState state;
    HWND lastFocus = nullptr;   // the control to give the focus back to
};

} // namespace ortelana::win32
