// The banner: a picture window with the title drawn into it.
#include "win32/banner.h"

#include "behaviour/layout.h"
#include "behaviour/words.h"
#include "win32/picturewindow.h"
#include "win32/text.h"

namespace ortelana::win32 {

namespace {
// The page's body margin and the table's cell spacing and padding, as a browser
// lays the title page out.
constexpr int PageTop = 8 + 2 + 1;
} // namespace

PictureWindow *createBanner(HWND parent, const RECT &place, HFONT titleFont, int dpi)
{
    // Tab reaches it last; screen readers meet it as the title's text.
    PictureWindow *banner = PictureWindow::create(parent, place, false, true, ROLE_SYSTEM_STATICTEXT, RGB(255, 255, 255),
                                                  titleFont, widen(words::ProgramTitle).c_str(), dpi);
    if (banner)
        drawBanner(*banner, dpi);
    return banner;
}

void drawBanner(PictureWindow &banner, int dpi)
{
    GdiCanvas canvas(banner.surface(), dpi);
    draw({TextItem{0, PageTop, layout::mainwindow::Banner.width, colors::Black, words::ProgramTitle}}, canvas);
    banner.refresh();
}

} // namespace ortelana::win32
