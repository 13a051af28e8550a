// The About window «О программе»: the emblem, who makes the program, the link to its
// site (opened through a redirect page), the version and dates, a two-tone
// separator, the stripes picture drawn at load, and OK.  Modal, made afresh for each
// opening.
#pragma once

#include "win32/fonts.h"
#include "win32/gdi.h"
#include "win32/windowbase.h"

#include <windows.h>

#include <vector>

namespace ortelana::win32 {

class PictureWindow;

class AboutWindow
{
public:
    // Opens the window over `owner`; returns when it is closed.
    static void show(HWND owner);

    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    HWND window = nullptr;

private:
    explicit AboutWindow(const Scale &scale) : scale(scale) {}
    void createControls();
    void Form_Load();
    void Label1_Click();
    void paint();
    void rescale(const Scale &next);
    RECT linkPlace() const;

    Scale scale;   // before the fonts, which it sizes
    Font font = uiFont(FontRole::Label, scale.dpi);
    Font linkFont = uiFont(FontRole::Link, scale.dpi);
    std::vector<Placed> controls;
    Brush grey{CreateSolidBrush(RGB(0xE0, 0xE0, 0xE0))};
    Bitmap emblem;
    SIZE emblemSize{};
    HWND Label1 = nullptr;
    PictureWindow *Picture1 = nullptr;
};

} // namespace ortelana::win32
