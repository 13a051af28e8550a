// The banner: a picture window with the title drawn into it.
#include "win32/banner.h"

#include "win32/picturewindow.h"

namespace ortelana::win32 {

namespace {
// The page's body margin and the table's cell spacing and padding, as a browser
// lays the title page out.
constexpr int PageTop = 8 + 2 + 1;
} // namespace

HWND createBanner(HWND parent, int width, int height, HFONT titleFont, int dpi)
{
    PictureWindow *banner = PictureWindow::create(parent, RECT{0, 0, width, height}, false, false,
                                                  RGB(255, 255, 255), titleFont, L"Ортелана");
    if (!banner)
        return nullptr;
    Surface &page = banner->surface();
    static constexpr wchar_t Title[] = L"Ортелана";
    SIZE size{};
    GetTextExtentPoint32W(page.dc(), Title, int(std::size(Title) - 1), &size);
    SetTextColor(page.dc(), RGB(0, 0, 0));
    TextOutW(page.dc(), (page.width() - size.cx) / 2, MulDiv(PageTop, dpi, 96), Title, int(std::size(Title) - 1));
    return banner->handle();
}

} // namespace ortelana::win32
