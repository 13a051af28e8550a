// The About window «О программе»: the emblem, who makes the program, the link to its
// site (opened through a redirect page), the version and dates, a two-tone
// separator, the stripes picture drawn at load, and OK.  Modal, made afresh for each
// opening.
#pragma once

#include "win32/gdi.h"
#include "win32/windowbase.h"

#include <windows.h>

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
    AboutWindow() = default;
    void createControls();
    void Form_Load();
    void Label1_Click();
    void paint();

    Scale scale = screenScale();   // before the fonts, which it sizes
    Font font = makeFont(L"MS Sans Serif", scale.px(fontpx::Pt12), true);
    Font linkFont = makeFont(L"MS Sans Serif", scale.px(fontpx::Pt12), true, true);
    Brush grey{CreateSolidBrush(RGB(0xE0, 0xE0, 0xE0))};
    Bitmap emblem;
    SIZE emblemSize{};
    HWND Label1 = nullptr;
    PictureWindow *Picture1 = nullptr;
};

} // namespace ortelana::win32
