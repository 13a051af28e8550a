// The title banner across the top of the main window: the program's title page,
// «Ортелана» in Times New Roman at HTML size 6, centred on a white page without
// scroll bars.  Drawn once by the program itself: no browser control, nothing
// loaded, no dialogs, nothing waited for.
#pragma once

#include <windows.h>

namespace ortelana::win32 {

class PictureWindow;

// Makes the banner at `place` under `parent` and draws it; `titleFont` must live as
// long as the banner (or until it is drawn again in another).
PictureWindow *createBanner(HWND parent, const RECT &place, HFONT titleFont, int dpi);

// Draws the title into the banner at `dpi` (again after the banner was rescaled).
void drawBanner(PictureWindow &banner, int dpi);

} // namespace ortelana::win32
