// The week numbers window «Номера недель»: the months in a list, the chosen month of
// the year the main window drew last, laid out by weekday, with the running week
// number of the year under each week column.  Modal; made afresh for each opening;
// only the month chosen last outlives it, in the main window's keeping.
#pragma once

#include "behaviour/mainwindow.h"
#include "win32/fonts.h"
#include "win32/gdi.h"
#include "win32/windowbase.h"

#include <windows.h>

#include <vector>

namespace ortelana::win32 {

class PictureWindow;

class WeeksWindow
{
public:
    // Opens the window over `owner` for the year as the main window drew it, at its
    // chosen month, which follows the choice; returns when the window is closed.
    static void show(HWND owner, MainWindowState &main);

    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    HWND window = nullptr;

private:
    WeeksWindow(MainWindowState &main, const Scale &scale) : main(main), scale(scale) {}
    void createControls();
    void Form_Load();
    void List1_Click();
    void drawMonth();
    void rescale(const Scale &next);

    MainWindowState &main;
    Scale scale;   // before the font, which it sizes
    Font font = uiFont(FontRole::Label, scale.dpi);
    std::vector<Placed> controls;
    HWND List1 = nullptr, Label1 = nullptr;
    PictureWindow *Picture1 = nullptr;
};

} // namespace ortelana::win32
